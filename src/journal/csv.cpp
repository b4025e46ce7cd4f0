#include "journal/csv.h"

#include "journal/filewords.h"

namespace journal {

namespace {

const QByteArray bom(lab::byteOrderMark);

// Records of a CSV text; quoted fields may hold delimiters, quotes and line breaks.
QList<QStringList> records(QStringView text, QChar delimiter)
{
    QList<QStringList> out;
    QStringList fields;
    QString field;
    bool inQuotes = false;
    bool any = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        any = true;
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == delimiter) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            fields << field;
            out << fields;
            fields.clear();
            field.clear();
            any = false;
        } else {
            field += c;
        }
    }
    if (any) {
        fields << field;
        out << fields;
    }
    return out;
}

// A field as it leaves the program for the clipboard.
QString fileField(const Row& r, int column, QChar decimal)
{
    return column == colBemerkung ? guardedNote(r.bemerkung) : shownCellText(r, column, decimal);
}

lab::CsvFormat labFormat(const CsvFormat& f) { return {f.delimiter.toLatin1(), f.decimal.toLatin1()}; }

lab::JournalWords labWords(const FileWords& w)
{
    lab::JournalWords out{{}, w.on.toStdString(), w.off.toStdString(), w.bypassed.toStdString()};
    for (const QString& head : w.heads)
        out.heads.push_back(head.toStdString());
    return out;
}

const Reason notAJournal{Reason::notAJournal, {}};

// A field of a file in `words`' language as a row holds it.
QString sourceWord(const FileWords& words, int column, const QString& field)
{
    if (column == colEigenerwaermung && (field == words.on || field == words.off))
        return QString::fromUtf8(field == words.on ? switchedOn : switchedOff);
    if (column == colVorwiderstand && field == words.bypassed)
        return bypassed;
    return field;
}

// The language of a file's text, by its first head; nullptr for none.
const FileWords* languageOf(const QString& text)
{
    for (const FileWords& w : knownFileWords())
        if (text.startsWith(w.heads.first()) && text.size() > w.heads.first().size())
            return &w;
    return nullptr;
}

} // namespace

QString guardedNote(const QString& note)
{
    return QString::fromStdString(lab::guardedNote(note.toStdString()));
}

QString unguardedNote(const QString& field)
{
    return QString::fromStdString(lab::unguardedNote(field.toStdString()));
}

CsvFormat csvFormatFor(const QLocale& locale)
{
    const lab::CsvFormat f = lab::csvFormatFor(locale.language() == QLocale::German);
    return {QLatin1Char(f.delimiter), QLatin1Char(f.decimal)};
}

QByteArray csvHead(const CsvFormat& f)
{
    return QByteArray::fromStdString(lab::csvHead(labFormat(f), labWords(currentFileWords())));
}

QByteArray csvLine(const Row& r, const CsvFormat& f)
{
    return QByteArray::fromStdString(lab::csvLine(lineOf(r), labFormat(f), labWords(currentFileWords())));
}

QByteArray csvDocument(const QList<Row>& rows, const CsvFormat& f)
{
    QByteArray out = csvHead(f);
    for (const Row& r : rows)
        out += csvLine(r, f);
    return out;
}

ReadJournal readCsv(const QByteArray& data)
{
    ReadJournal result;
    QByteArray bytes = data;
    if (bytes.startsWith(bom))
        bytes.remove(0, bom.size());
    const QString text = QString::fromUtf8(bytes);
    const FileWords* words = languageOf(text);
    if (!words) {
        result.reason = notAJournal;
        return result;
    }
    const QString first = words->heads.first();
    // The header row tells the format: ";" goes with the decimal comma.
    const QChar delimiter = text[first.size()];
    if (delimiter != QLatin1Char(';') && delimiter != QLatin1Char(',')) {
        result.reason = notAJournal;
        return result;
    }
    const QChar decimal = delimiter == QLatin1Char(';') ? QLatin1Char(',') : QLatin1Char('.');
    const QList<QStringList> all = records(text, delimiter);
    // A journal written before the number columns came has the table's columns only.
    const bool withNumbers = !all.isEmpty() && all.first() == words->heads;
    if (all.isEmpty() || (!withNumbers && all.first() != words->heads.mid(0, columnTotal))) {
        result.reason = {Reason::headerMismatch, {}};
        return result;
    }
    const qsizetype width = withNumbers ? fileColumnTotal : columnTotal;
    for (qsizetype i = 1; i < all.size(); ++i) {
        const QStringList& fields = all[i];
        if (fields.size() == 1 && fields.first().isEmpty())
            continue; // a blank line
        Row r;
        bool ok = fields.size() == width;
        for (int c = 0; ok && c < columnTotal; ++c)
            ok = setCell(r, c, sourceWord(*words, c, fields[c]), decimal);
        if (!ok) {
            result.reason = {Reason::rowIncomplete, {QString::number(i + 1)}};
            continue; // the rows that can be read are shown
        }
        if (withNumbers)
            r.bemerkung = unguardedNote(r.bemerkung);
        result.rows << r;
    }
    return result;
}

QString tabText(const QList<Row>& rows, QChar decimal)
{
    auto clean = [](QString t) {
        for (QChar& c : t)
            if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
                c = QLatin1Char(' ');
        return t;
    };
    // The clipboard goes to a person's spreadsheet: its heads in the chosen language.
    QStringList heads;
    for (int c = 0; c < columnTotal; ++c)
        heads << shownColumnName(c);
    QString out = heads.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const Row& r : rows) {
        QStringList fields;
        for (int c = 0; c < columnTotal; ++c)
            fields << clean(fileField(r, c, decimal));
        out += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

} // namespace journal
