// The real program run from the command line, with no display.

#include "testdata.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Outcome
{
    int status = -1;
    QString out, err;
};

Outcome zelvane(const QStringList &args,
                const QString &program = QStringLiteral(ZELVANE_EXECUTABLE))
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(program, args);
    // A hang (a box nobody can close, a pipe that never ends) fails here.
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "zelvane " << args.join(u' ').toStdString() << " did not finish";
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

TEST(CommandLine, SheetWritesIronsLinesAsText)
{
    const Outcome run = zelvane({u"--sheet"_s, u"fe"_s});
    EXPECT_EQ(std::pair(run.status, run.err), std::pair(0, QString()));
    EXPECT_EQ(run.out, ironSheetText());
    // By number and by name, in any case, the same sheet.
    EXPECT_EQ(zelvane({u"--sheet"_s, u"26"_s}).out, run.out);
    EXPECT_EQ(zelvane({u"--sheet"_s, u"IRON"_s}).out, run.out);
}

// With --sources each line is followed by where its value comes from; a value
// of another data file than the one shipped comes from an unknown source.
TEST(CommandLine, SourcesFollowEachLineOfTheSheet)
{
    const Outcome run = zelvane({u"--sheet"_s, u"fe"_s, u"--sources"_s});
    EXPECT_EQ(std::pair(run.status, run.err), std::pair(0, QString()));
    const QStringList plain = ironSheetText().split(u'\n');
    const QStringList lines = run.out.split(u'\n');
    ASSERT_EQ(lines.size(), plain.size());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        EXPECT_TRUE(lines[i].startsWith(plain[i] + u" — "_s)) << lines[i].toStdString();
    for (const QString &line :
         {u"26 Iron Fe — periodictable 1.6.0 (NIST); public domain"_s,
          u"Density: 7.874 g/cm³ — periodictable 1.6.0 (NIST); public domain"_s,
          u"Fusion Heat: 13.81 kj/mol — standard handbook figure (CRC Handbook of Chemistry and "
          u"Physics)"_s,
          u"Crystal CA Ratio: 0 — no trustworthy value"_s})
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    EXPECT_TRUE(zelvane({u"--sheet"_s, u"h"_s, u"--sources"_s})
                    .out.contains(u"\nDiscoverer: H. Cavendish — Blue Obelisk Data Repository 10; "
                                  u"MIT, corrected by hand for Zelvane. Reason: BODR gives the "
                                  u"initial C.; the discoverer is Henry Cavendish\n"_s));

    QTemporaryDir dir;
    std::vector<ElementRecord> records(shippedData().ElementTable.begin() + 1,
                                       shippedData().ElementTable.end());
    records[25].Density = 7.9;
    const QString other = dir.filePath(u"other.edb"_s);
    ASSERT_TRUE(writeFile(other, makeEdbBytes(records)));
    const QString out = zelvane({u"--data"_s, other, u"--sheet"_s, u"26"_s, u"--sources"_s}).out;
    EXPECT_TRUE(out.contains(u"\nDensity: 7.9 g/cm³ — unknown\n"_s)) << out.toStdString();
    EXPECT_TRUE(out.contains(u"\nAtomic Weight: 55.845 g/mol — Blue Obelisk Data Repository 10; "
                             u"MIT\n"_s));

    const Outcome alone = zelvane({u"--sources"_s});
    EXPECT_EQ(std::tuple(alone.status, alone.out, alone.err),
              std::tuple(2, QString(), u"zelvane: --sources goes with --sheet\n"_s));
}

// One page each, the table landscape, the element portrait. On paper the
// table's words are text, and every picture is drawn for paper: 300 pixels to
// the inch or more.
TEST(CommandLine, PdfPagesAsPrintedWithoutADisplay)
{
    QTemporaryDir dir;
    const QString table = dir.filePath(u"table.pdf"_s), uranium = dir.filePath(u"u.pdf"_s);
    EXPECT_EQ(zelvane({u"--pdf"_s, table}).status, 0);
    EXPECT_EQ(zelvane({u"--pdf"_s, uranium, u"--element"_s, u"92"_s}).status, 0);
    for (const auto &[file, landscape] : {std::pair{table, true}, {uranium, false}}) {
        const QString pdf = QString::fromLatin1(readFile(file));
        const auto box =
            QRegularExpression(u"/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)"_s)
                .match(pdf);
        EXPECT_TRUE(pdf.startsWith(u"%PDF"_s) && !pdf.contains(u"DCTDecode"_s)) << landscape;
        EXPECT_EQ(pdf.count(QRegularExpression(u"/Type\\s*/Page[^s]"_s)), 1) << landscape;
        EXPECT_EQ(box.captured(1).toDouble() > box.captured(2).toDouble(), landscape);
    }
    const auto output = [](const QString &program, const QStringList &args) {
        QProcess p;
        p.start(program, args);
        return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAll())
                                                             : QString();
    };
    const QString words = output(u"pdftotext"_s, {table, u"-"_s});
    if (words.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    for (const char *word : {"Fe", "55.845", "GROUP", "Lanthanide Series", "Non Metals"})
        EXPECT_TRUE(words.contains(QLatin1String(word))) << word;
    for (const QString &file : {table, uranium}) {
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
        const QStringList rows = output(u"pdfimages"_s, {u"-list"_s, file}).split(u'\n').mid(2);
        int images = 0;
        for (const QString &row : rows) {
            const QStringList f = row.simplified().split(u' ');
            if (f.size() < 14) continue;
            ++images;
            EXPECT_GE(f[12].toInt(), 300) << file.toStdString() << ": " << row.toStdString();
            EXPECT_GE(f[13].toInt(), 300) << file.toStdString() << ": " << row.toStdString();
        }
        EXPECT_GT(images, 0) << file.toStdString();
    }
}

TEST(CommandLine, FaultsGiveOneLineAndTheirStatus)
{
    QTemporaryDir dir;
    const auto expectFault = [](const Outcome &run, int status, const QString &message) {
        EXPECT_EQ(run.status, status) << message.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    };
    expectFault(zelvane({u"--element"_s, u"ununknown"_s}), 2, u"no element ununknown"_s);
    expectFault(zelvane({u"--sheet"_s, u"119"_s}), 2, u"no element 119"_s);
    expectFault(zelvane({u"--pdf"_s, dir.filePath(u"no/such/folder/x.pdf"_s)}), 2,
                u"cannot write"_s);
    expectFault(zelvane({u"--frobnicate"_s}), 2, u"Unknown option 'frobnicate'"_s);

    // A bad data file stops the program, with no box (the reader tests word every
    // fault); a table of no elements still serves, and says so.
    const QString empty = dir.filePath(u"empty.edb"_s);
    ASSERT_TRUE(writeFile(empty, QByteArray(2, '\0')));
    expectFault(zelvane({u"--data"_s, dir.filePath(u"missing.edb"_s)}), 1,
                u"missing.edb was not found"_s);
    expectFault(zelvane({u"--data"_s, empty, u"--pdf"_s, dir.filePath(u"e.pdf"_s)}), 0,
                u"empty.edb holds no elements"_s);
}

// Printing lives in a module beside the program; where it is missing, nothing
// is written and the run says why.
// The executable alone, away from the build, prints: it needs nothing beside
// it but its data.
TEST(CommandLine, TheExecutableAloneWritesThePdf)
{
    QTemporaryDir dir;
    const QString lone = dir.filePath(u"zelvane"_s), pdf = dir.filePath(u"t.pdf"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZELVANE_EXECUTABLE), lone));
    const Outcome run =
        zelvane({u"--data"_s, QStringLiteral(ZELVANE_EDB_PATH), u"--pdf"_s, pdf}, lone);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF-"));
}

TEST(CommandLine, HelpAndVersion)
{
    EXPECT_EQ(zelvane({u"--version"_s}).out, u"zelvane 1.0\n"_s);
    const Outcome help = zelvane({u"--help"_s});
    EXPECT_EQ(help.status, 0);
    for (const char *option :
         {"--element <X>", "--pdf <FILE>", "--sheet <X>", "--sources", "--data <FILE>"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
}
