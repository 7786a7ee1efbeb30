// Builds elementDat.edb from the reviewed element table, and dumps any .edb
// back to the table's text form.
//
//   edbtool build <elements.tsv> <elementDat.edb>
//   edbtool dump <elementDat.edb>

#include "elementdata.h"
#include "elementtsv.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "edbtool: %s\n", qPrintable(message));
    return 1;
}

int build(const QString &in, const QString &out)
{
    QFile file(in);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(in, file.errorString()));
    const TsvResult table = parseElementTsv(QString::fromUtf8(file.readAll()));
    if (!table.error.isEmpty()) return fail(QStringLiteral("%1: %2").arg(in, table.error));
    for (size_t i = 0; i < table.records.size(); ++i) {
        const ElementRecord &r = table.records[i];
        if (r.AtomicNumber != int(i) + 1)
            return fail(
                QStringLiteral("%1: row %2 holds atomic number %3; rows must run 1, 2, 3, ...")
                    .arg(in)
                    .arg(i + 1)
                    .arg(r.AtomicNumber));
        const QString fault = validateRecord(r);
        if (!fault.isEmpty())
            return fail(QStringLiteral("%1: element %2: %3").arg(in).arg(i + 1).arg(fault));
    }
    QString why;
    const QByteArray bytes = buildEdb(table.records, &why);
    if (bytes.isEmpty()) return fail(QStringLiteral("%1: %2").arg(in, why));
    QFile target(out);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        target.write(bytes) != bytes.size() || !target.flush())
        return fail(QStringLiteral("%1: %2").arg(out, target.errorString()));
    return 0;
}

int dump(const QString &in)
{
    ElementData data;
    const QString error = LoadElementTable(in, data);
    if (!error.isEmpty()) return fail(error);
    std::vector<ElementRecord> records(data.ElementTable.begin() + 1,
                                       data.ElementTable.begin() + 1 +
                                           std::max<int>(0, data.ElementCount));
    QTextStream(stdout) << writeElementTsv(records);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("build")) return build(args[2], args[3]);
    if (args.size() == 3 && args[1] == QLatin1String("dump")) return dump(args[2]);
    std::fprintf(stderr, "usage: edbtool build <elements.tsv> <elementDat.edb>\n"
                         "       edbtool dump <elementDat.edb>\n");
    return 2;
}
