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

// One page each, the table landscape, the element portrait; the table picture
// goes in whole and lossless: the printed table golden picture holds the same pixels.
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
    if (QProcess::execute(u"pdfimages"_s, {u"-png"_s, table, dir.filePath(u"img"_s)}) != 0)
        GTEST_SKIP() << "pdfimages (poppler-utils) is not installed";
    const auto rgb = [](const QString &file) {
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(rgb(dir.filePath(u"img-000.png"_s)),
              rgb(QStringLiteral(ZELVANE_SOURCE_DIR "/tests/golden/print-table.png"))
                  .copy(109, 129, 791, 510));
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
    for (const char *option : {"--element <X>", "--pdf <FILE>", "--sheet <X>", "--data <FILE>"})
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
}
