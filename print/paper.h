#pragma once

#include <QPageSize>
#include <QString>

// What decides the paper a PDF is laid out on: the locale's paper category and
// the machine's paper file, as the environment and /etc/papersize hold them.
struct PaperSources
{
    QString lcAll;     // LC_ALL
    QString lcPaper;   // LC_PAPER
    QString paperFile; // the text of the paper file; empty when there is none
};

// The sources of this process: its environment and the given paper file
// (libpaper's /etc/papersize unless named).
PaperSources systemPaperSources(const QString &paperFile = QStringLiteral("/etc/papersize"));

// The user's paper. The locale of the paper category (LC_ALL, else LC_PAPER)
// decides by its territory: Letter in the countries that use it, A4 elsewhere.
// A locale without a territory (C, POSIX) says nothing, and the paper file's
// first name decides ("a4", "letter", "legal", "a3"); failing both, A4.
QPageSize::PageSizeId userPaper(const PaperSources &sources);
