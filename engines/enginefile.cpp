// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/enginefile.h"

#include "engines/enginesfolder.h"
#include "engines/regularfile.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <algorithm>

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

} // namespace

namespace {
// How reading a file went; what it holds goes to a FieldValues.
struct ParsedFields
{
    EngineFileProblem problem = EngineFileProblem::Missing;
    int errorLine = 0;
    int errorColumn = 0;
};

EngineFileProblem problemOf(FileRead outcome)
{
    switch (outcome) {
    case FileRead::Read:
        return EngineFileProblem::None;
    case FileRead::Missing:
        return EngineFileProblem::Missing;
    case FileRead::NotRegularFile:
        return EngineFileProblem::NotRegularFile;
    case FileRead::Unopenable:
        return EngineFileProblem::Unopenable;
    case FileRead::TooLarge:
        return EngineFileProblem::TooLarge;
    }
    return EngineFileProblem::Unopenable;
}

ParsedFields parseEngineFile(const QString &name, bool listedAsRegular, FieldValues &fields)
{
    ParsedFields parsed;
    if (!isAcceptableEngineName(name) || !enginesFolderIsSet("Reading an engine file"))
        return parsed;
    // Every rebuild of the catalogue reads each file: a huge file would freeze the program each
    // time. Size alone is not the measure either: Qt's XML reader compares each attribute with
    // every earlier one of its element, so a 1 MB file of attributes takes 45 s to read.
    const RegularFileBytes read
        = readRegularFile(engineFilePath(name), maxEngineFileSize, listedAsRegular);
    parsed.problem = problemOf(read.outcome);
    if (parsed.problem != EngineFileProblem::None)
        return parsed;
    const QString text = decodeEngineFile(read.bytes);

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
    file.profile.name = name;
    file.profile.listPosition = engineNumber(fields.value(ListPositionField));
    file.profile.symbol = fields.value(SymbolField);
    file.profile.limitTitle = engineNumber(fields.value(LimitTitleField));
    file.profile.limitText = engineNumber(fields.value(LimitTextField));
    file.profile.limitURL = engineNumber(fields.value(LimitURLField));
    file.profile.textLineBreak = engineNumber(fields.value(TextLineBreakField));
    file.profile.templateText = fields.value(TemplateField);
    file.profile.rules = fields.value(RulesField);
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

EngineProfile readEngineValues(const QString &name)
{
    return readEngineFile(name).profile;
}

bool writeEngineValues(const QString &name,
                       const EngineProfile &values,
                       int position,
                       const FileWriter &write)
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
                           values.rules,
                           write);
}

bool writeEngineFile(const QString &name,
                     const QString &symbol,
                     uint limitTitle,
                     uint limitText,
                     uint limitURL,
                     int listPosition,
                     int textLineBreak,
                     const QString &templateText,
                     const QString &rules,
                     const FileWriter &write)
{
    if (!isAcceptableEngineName(name) || !enginesFolderIsSet("Writing an engine file"))
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
    return write(engineFilePath(name), bytes);
}

int engineNumber(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? number : 0;
}
