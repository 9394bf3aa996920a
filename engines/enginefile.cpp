// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/enginefile.h"

#include "engines/enginesfolder.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QString engineFilePath(const QString &name)
{
    if (!enginesFolderIsSet("An engine file's path"))
        return QString();
    return enginesFolder() + QLatin1Char('/') + name + QStringLiteral(".xml");
}

bool isAcceptableEngineName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

bool isPortableEngineName(const QString &name)
{
    static const QString forbidden = QStringLiteral(":*?\"<>|");
    return isAcceptableEngineName(name) && std::none_of(name.cbegin(), name.cend(), [](QChar c) {
               return forbidden.contains(c);
           });
}

bool isListableEngineName(const QString &name)
{
    return !name.startsWith(QLatin1Char('.'));
}

namespace {
std::function<bool(const QString &)> writeFault;

// Profiles are UTF-8; older 8-bit builds wrote Latin-1, which is rarely valid UTF-8.
QString decodeEngineFile(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

// Qt's serialiser writes characters that XML 1.0 cannot hold as they are, and the whole file
// then fails to parse; they are left out.
QString xmlSafe(const QString &value)
{
    QString safe;
    safe.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate()) {
            safe.append(c);
            safe.append(value.at(++i));
            continue;
        }
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF)
            continue;
        if (u < 0x20 && u != 0x09 && u != 0x0A && u != 0x0D)
            continue;
        safe.append(c);
    }
    return safe;
}

// Profiles nest two levels deep; a document nested deeper than this is no profile.
const int maxNestingDepth = 256;

bool writtenLayoutShortcut = true;

bool isXmlChar(char32_t c)
{
    return c == 0x09 || c == 0x0A || c == 0x0D || (c >= 0x20 && c <= 0xD7FF)
           || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The fields asked of a file and, once it is read, the value of the first direct child of the
// root with each of those tags (null where there is none). Values nobody asked for are
// checked but never built: the catalogue would only throw them away.
class FieldValues
{
public:
    explicit FieldValues(std::initializer_list<QStringView> tags)
        : m_tags(tags)
        , m_values(m_tags.size())
    {}

    // The slot of a child named `tag` whose value is still wanted, or -1.
    int wanted(QStringView tag) const
    {
        for (qsizetype i = 0; i < m_tags.size(); ++i) {
            if (!(m_found & (1u << i)) && m_tags.at(i) == tag)
                return int(i);
        }
        return -1;
    }
    void set(int slot, QString value)
    {
        m_values[slot] = std::move(value);
        m_found |= 1u << slot;
    }
    const QString &value(int slot) const { return m_values.at(slot); }
    void clear()
    {
        for (QString &value : m_values)
            value = QString();
        m_found = 0;
    }

private:
    QVarLengthArray<QStringView, 9> m_tags;
    QVarLengthArray<QString, 9> m_values;
    quint32 m_found = 0;
};

// Reads a file in exactly the layout writeEngineFile produces, without the general XML
// parser, which spends most of its time on the template's references: "<Engine>", then one
// `<tag value="..."/>` per line, then "</Engine>". A value holds no "<", no raw tab or line
// break (XML would turn them into spaces) and only the five named references and character
// references to characters XML allows. Anything else returns false and is left to the
// parser, so the two never read a file differently.
bool readWrittenLayout(QStringView text, FieldValues &fields)
{
    static const QLatin1String opening("<Engine>\n");
    static const QLatin1String closing("</Engine>");
    static const QLatin1String attribute(" value=\"");
    if (!text.startsWith(opening))
        return false;
    qsizetype at = opening.size();
    const qsizetype size = text.size();
    const auto isLetter
        = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const auto isHexDigit = [isDigit](QChar c) {
        return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    while (at < size && text.at(at) == u'<') {
        if (text.mid(at).startsWith(closing)) {
            const QStringView rest = text.mid(at + closing.size());
            return rest.isEmpty() || rest == u"\n";
        }
        // The tag: letters, then letters and digits.
        const qsizetype tagStart = ++at;
        if (at >= size || !isLetter(text.at(at)))
            return false;
        while (at < size && (isLetter(text.at(at)) || isDigit(text.at(at))))
            ++at;
        const int slot = fields.wanted(text.mid(tagStart, at - tagStart));
        if (!text.mid(at).startsWith(attribute))
            return false;
        at += attribute.size();
        // Plain characters are taken a run at a time; only references are decoded one by one.
        // The value is put together here and then copied once into a string of its exact size:
        // the catalogue keeps every engine's values.
        QVarLengthArray<QChar, 512> value;
        qsizetype runStart = at;
        const auto takeRun = [&] {
            if (slot >= 0)
                value.append(text.data() + runStart, at - runStart);
        };
        for (;;) {
            if (at >= size)
                return false;
            const QChar c = text.at(at);
            const char16_t u = c.unicode();
            if (u == u'"')
                break;
            if (u == u'<' || u < 0x20 || u == 0xFFFE || u == 0xFFFF)
                return false;
            if (c.isSurrogate()) {
                if (!c.isHighSurrogate() || at + 1 >= size || !text.at(at + 1).isLowSurrogate())
                    return false;
                at += 2;
                continue;
            }
            if (u != u'&') {
                ++at;
                continue;
            }
            takeRun();
            const qsizetype end = text.indexOf(u';', at);
            if (end < 0 || end - at > 10)
                return false;
            const QStringView name = text.mid(at + 1, end - at - 1);
            char32_t character = 0;
            if (name == u"lt")
                character = u'<';
            else if (name == u"gt")
                character = u'>';
            else if (name == u"amp")
                character = u'&';
            else if (name == u"quot")
                character = u'"';
            else if (name == u"apos")
                character = u'\'';
            else if (name.startsWith(u'#')) {
                const bool hex = name.size() > 1 && name.at(1) == u'x';
                const QStringView digits = name.mid(hex ? 2 : 1);
                bool ok
                    = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [&](QChar d) {
                          return hex ? isHexDigit(d) : isDigit(d);
                      });
                const uint code = ok ? digits.toUInt(&ok, hex ? 16 : 10) : 0;
                if (!ok || !isXmlChar(code))
                    return false;
                character = code;
            } else {
                return false;
            }
            if (slot >= 0) {
                if (QChar::requiresSurrogates(character)) {
                    value.append(QChar(QChar::highSurrogate(character)));
                    value.append(QChar(QChar::lowSurrogate(character)));
                } else {
                    value.append(QChar(char16_t(character)));
                }
            }
            at = end + 1;
            runStart = at;
        }
        takeRun();
        ++at; // the closing quote
        static const QLatin1String elementEnd("/>\n");
        if (!text.mid(at).startsWith(elementEnd))
            return false;
        at += elementEnd.size();
        if (slot >= 0)
            fields.set(slot,
                       value.isEmpty() ? QString() : QString(value.constData(), value.size()));
    }
    return false;
}
} // namespace

namespace {
// How reading a file went; what it holds goes to a FieldValues.
struct ParsedFields
{
    EngineFileProblem problem = EngineFileProblem::Missing;
    int errorLine = 0;
    int errorColumn = 0;
};

// The bytes of an engine file, at most one more than maxEngineFileSize, or why there are none.
struct FileBytes
{
    EngineFileProblem problem = EngineFileProblem::Missing;
    QByteArray bytes;
};

// Every rebuild of the catalogue reads each file: a huge file would freeze the program each
// time. Size alone is not the measure either: Qt's XML reader compares each attribute with
// every earlier one of its element, so a 1 MB file of attributes takes 45 s to read. Reading
// one byte more than the cap tells a file that is too big.
#ifdef Q_OS_UNIX
// In as few calls into the system as can be: the catalogue reads every file at each rebuild,
// and the calls cost more than parsing the profiles. Only regular files are read, links
// followed: opening a pipe would wait for a writer forever. A name that a listing has just
// shown as a regular file is opened without being looked up first; as it is opened without
// blocking and checked on the open descriptor, a pipe put in its place since can neither
// stall the open nor get read.
FileBytes readEngineBytes(const QString &path, bool listedAsRegular)
{
    const bool lookUpFirst = !listedAsRegular;
    const QByteArray encoded = QFile::encodeName(path);
    struct stat status;
    if (lookUpFirst) {
        if (::stat(encoded.constData(), &status) != 0)
            return {};
        if (!S_ISREG(status.st_mode))
            return {EngineFileProblem::NotRegularFile, {}};
    }
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // Gone or locked since the listing: the lookup tells which.
        return lookUpFirst ? FileBytes{EngineFileProblem::Unopenable, {}}
                           : readEngineBytes(path, false);
    }
    FileBytes read;
    if (::fstat(fd, &status) != 0) {
        read.problem = EngineFileProblem::Unopenable;
    } else if (!S_ISREG(status.st_mode)) {
        read.problem = EngineFileProblem::NotRegularFile;
    } else if (status.st_size > maxEngineFileSize) {
        read.problem = EngineFileProblem::TooLarge;
    } else {
        read.problem = EngineFileProblem::None;
        read.bytes.resize(maxEngineFileSize + 1);
        // Reading stops once the size that fstat gave has come, without one more read only to
        // meet the end; a file grown since gives what one read finds, up to the cap and a byte.
        const qint64 expected = qint64(status.st_size);
        qsizetype total = 0;
        while (total < read.bytes.size()) {
            const ssize_t count
                = ::read(fd, read.bytes.data() + total, size_t(read.bytes.size() - total));
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0) {
                total = 0; // as Qt reads a file that fails: nothing
                break;
            }
            if (count == 0)
                break;
            total += count;
            if (total >= expected)
                break;
        }
        read.bytes.truncate(total);
    }
    ::close(fd);
    return read;
}
#else
FileBytes readEngineBytes(const QString &path, bool listedAsRegular)
{
    Q_UNUSED(listedAsRegular);
    FileBytes read;
    // Only regular files, links followed: opening a pipe would wait for a writer forever.
    const QFileInfo info(path);
    if (!info.exists())
        return read;
    if (!info.isFile()) {
        read.problem = EngineFileProblem::NotRegularFile;
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = EngineFileProblem::Unopenable;
        return read;
    }
    read.bytes = file.read(maxEngineFileSize + 1);
    read.problem = EngineFileProblem::None;
    return read;
}
#endif

ParsedFields parseEngineFile(const QString &name, bool listedAsRegular, FieldValues &fields)
{
    ParsedFields parsed;
    if (!isAcceptableEngineName(name) || !enginesFolderIsSet("Reading an engine file"))
        return parsed;
    const FileBytes read = readEngineBytes(engineFilePath(name), listedAsRegular);
    parsed.problem = read.problem;
    if (read.problem != EngineFileProblem::None)
        return parsed;
    const QByteArray &bytes = read.bytes;
    if (bytes.size() > maxEngineFileSize) {
        parsed.problem = EngineFileProblem::TooLarge;
        return parsed;
    }

    // Files as the program writes them are read without the general parser; the catalogue
    // reads every file on each rebuild.
    const QString text = decodeEngineFile(bytes);
    if (writtenLayoutShortcut && readWrittenLayout(text, fields)) {
        parsed.problem = EngineFileProblem::None;
        return parsed;
    }
    fields.clear();

    // The whole file is read, not just up to the fields wanted: a damaged file reads as
    // nothing rather than as some of its values.
    QXmlStreamReader xml(text);
    xml.setNamespaceProcessing(false);
    int depth = 0;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // Qt bounds what one entity expands to, not how often it is used: 3000 references
            // to a 4 KB entity make a 9 KB file a 24 MB value. Profiles never declare entities.
            if (!xml.entityDeclarations().isEmpty()) {
                parsed.problem = EngineFileProblem::DeclaresEntities;
                fields.clear();
                return parsed;
            }
            break;
        case QXmlStreamReader::StartElement:
            if (++depth > maxNestingDepth) {
                parsed.problem = EngineFileProblem::NestedTooDeep;
                fields.clear();
                return parsed;
            }
            // Only the root's own children count, and of those only the first of each name.
            if (depth == 2) {
                const int slot = fields.wanted(xml.qualifiedName());
                if (slot >= 0)
                    fields.set(slot, xml.attributes().value(QLatin1String("value")).toString());
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) {
        parsed.problem = EngineFileProblem::NotWellFormed;
        parsed.errorLine = int(xml.lineNumber());
        parsed.errorColumn = int(xml.columnNumber());
        fields.clear();
        return parsed;
    }
    parsed.problem = EngineFileProblem::None;
    return parsed;
}

// The fields of an engine file, in the order of their slots.
enum EngineField {
    NameField,
    SymbolField,
    LimitTitleField,
    LimitTextField,
    LimitURLField,
    ListPositionField,
    TextLineBreakField,
    TemplateField,
    RulesField,
};

EngineFile readWholeEngineFile(const QString &name, bool listedAsRegular)
{
    FieldValues fields({u"Name",
                        u"Symbol",
                        u"limitTitle",
                        u"limitText",
                        u"limitURL",
                        u"listPosition",
                        u"textLineBreak",
                        u"template",
                        u"rules"});
    const ParsedFields parsed = parseEngineFile(name, listedAsRegular, fields);
    EngineFile file;
    file.problem = parsed.problem;
    file.errorLine = parsed.errorLine;
    file.errorColumn = parsed.errorColumn;
    // The stored Name is most often the file's own: one string serves both.
    file.nameField = fields.value(NameField) == name ? name : fields.value(NameField);
    file.listPosition = engineNumber(fields.value(ListPositionField));
    file.values.symbol = fields.value(SymbolField);
    file.values.limitTitle = engineNumber(fields.value(LimitTitleField));
    file.values.limitText = engineNumber(fields.value(LimitTextField));
    file.values.limitURL = engineNumber(fields.value(LimitURLField));
    file.values.textLineBreak = engineNumber(fields.value(TextLineBreakField));
    file.values.templateText = fields.value(TemplateField);
    file.values.rules = fields.value(RulesField);
    return file;
}
} // namespace

EngineFile readEngineFile(const QString &name)
{
    return readWholeEngineFile(name, false);
}

EngineFile readListedEngineFile(const QString &name)
{
    return readWholeEngineFile(name, true);
}

QString engineFileProblemText(const EngineFile &file)
{
    switch (file.problem) {
    case EngineFileProblem::None:
        return QString();
    case EngineFileProblem::Missing:
        return QCoreApplication::translate("MainWindow", "the file is missing");
    case EngineFileProblem::NotRegularFile:
        return QCoreApplication::translate("MainWindow", "it is not a regular file");
    case EngineFileProblem::Unopenable:
        return QCoreApplication::translate("MainWindow", "the file cannot be opened");
    case EngineFileProblem::TooLarge:
        return QCoreApplication::translate("MainWindow", "the file is larger than %1 KiB")
            .arg(maxEngineFileSize / 1024);
    case EngineFileProblem::NotWellFormed:
        return QCoreApplication::translate("MainWindow",
                                           "it is not well-formed XML (line %1, column %2)")
            .arg(file.errorLine)
            .arg(file.errorColumn);
    case EngineFileProblem::DeclaresEntities:
        return QCoreApplication::translate("MainWindow", "it declares XML entities");
    case EngineFileProblem::NestedTooDeep:
        return QCoreApplication::translate("MainWindow",
                                           "its elements are nested more than %1 deep")
            .arg(maxNestingDepth);
    }
    return QString();
}

QString readEngineValue(const QString &name, const QString &field)
{
    FieldValues fields({field});
    parseEngineFile(name, false, fields);
    return fields.value(0);
}

EngineValues readEngineValues(const QString &name)
{
    return readEngineFile(name).values;
}

bool writeEngineValues(const QString &name, const EngineValues &values, int position)
{
    // A limit is stored without a sign; a negative one would wrap round to a huge number.
    const auto limit = [](int value) { return uint(std::max(value, 0)); };
    return writeEngineFile(name,
                           values.symbol,
                           limit(values.limitTitle),
                           limit(values.limitText),
                           limit(values.limitURL),
                           position,
                           values.textLineBreak,
                           values.templateText,
                           values.rules);
}

bool writeEngineFile(const QString &name,
                     const QString &symbol,
                     uint limitTitle,
                     uint limitText,
                     uint limitURL,
                     int listPosition,
                     int textLineBreak,
                     const QString &templateText,
                     const QString &rules)
{
    if (!isAcceptableEngineName(name) || !enginesFolderIsSet("Writing an engine file")
        || (writeFault && writeFault(name)))
        return false;

    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("Engine"));
    document.appendChild(root);
    const auto addField = [&](const char *tag, const QString &value) {
        QDomElement element = document.createElement(QString::fromLatin1(tag));
        element.setAttribute(QStringLiteral("value"), xmlSafe(value));
        root.appendChild(element);
    };
    addField("Name", name);
    addField("Symbol", symbol);
    addField("limitTitle", QString::number(limitTitle));
    addField("limitText", QString::number(limitText));
    addField("limitURL", QString::number(limitURL));
    addField("listPosition", QString::number(listPosition));
    addField("textLineBreak", QString::number(textLineBreak));
    addField("template", templateText);
    if (!rules.isEmpty())
        addField("rules", rules);

    const QByteArray bytes = document.toByteArray(0);
    // A file that would read as empty is not written.
    if (bytes.size() > maxEngineFileSize)
        return false;
    QSaveFile file(engineFilePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void setEngineWriteFault(std::function<bool(const QString &name)> fails)
{
    writeFault = std::move(fails);
}

void setWrittenLayoutShortcut(bool enabled)
{
    writtenLayoutShortcut = enabled;
}

int engineNumber(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? number : 0;
}
