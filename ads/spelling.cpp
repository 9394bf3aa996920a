// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/spelling.h"

#include "app/globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell/hunspell.hxx>

#include <algorithm>
#include <atomic>

using namespace Qt::StringLiterals;

namespace {
quint64 nextRevision()
{
    static std::atomic<quint64> revision{1};
    return revision++;
}

// Why `path` cannot be loaded within `limit` bytes; empty when it can.
QString fileProblem(const QString &path, qint64 limit)
{
    const QFileInfo info(path);
    const QString where = QDir::toNativeSeparators(path);
    if (!info.exists())
        return QCoreApplication::translate("Spelling", "%1 is missing").arg(where);
    if (!info.isFile())
        return QCoreApplication::translate("Spelling", "%1 is not a regular file").arg(where);
    if (info.size() > limit)
        return QCoreApplication::translate("Spelling", "%1 is larger than %2 MB")
            .arg(where)
            .arg(limit / (1024 * 1024));
    return QString();
}

// Hunspell sizes its table by the count that opens the .dic file: a damaged count would have
// it ask for terabytes. A count is plausible when it is no larger than the file.
bool hasPlausibleWordCount(const QString &dicPath, qint64 size)
{
    QFile file(dicPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray first = file.readLine(64).trimmed();
    bool ok = false;
    const qint64 count = first.toLongLong(&ok);
    return ok && count > 0 && count <= size;
}

// "ISO8859-1" as Hunspell names it is "ISO-8859-1" to converters.
QByteArray converterName(const std::string &hunspellName)
{
    QByteArray name = QByteArray::fromStdString(hunspellName).trimmed();
    if (name.startsWith("ISO8859"))
        name.insert(3, '-');
    return name;
}

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'\u2019';
}

bool isWordChar(QChar c)
{
    return c.isLetter() || c.isMark();
}

// A token without spaces that is an e-mail or a web address.
bool isAddress(QStringView token)
{
    if (token.contains(u'@') || token.contains("://"_L1)
        || token.startsWith("www."_L1, Qt::CaseInsensitive))
        return true;
    static const QRegularExpression domain(
        u"^[\\p{L}\\p{N}-]+(\\.[\\p{L}\\p{N}-]+)*\\.\\p{L}{2,}(/.*)?$"_s);
    return token.contains(u'.') && domain.match(token.toString()).hasMatch();
}

// The words of the field as the engine shows it: the URL's paths, the other fields whole.
QString spelledText(Rules rules, AdField field, const QString &text)
{
    if (field != AdField::URL)
        return measureFieldUnexplained(rules, field, text).shown;
    if (rules == Rules::Google || rules == Rules::Microsoft)
        return measureFieldUnexplained(rules, field, text).paths.join(u' ');
    // A display link, or a URL whose domain is not spelt: what follows the domain.
    QStringView rest(text);
    const qsizetype scheme = rest.indexOf("://"_L1);
    if (scheme >= 0)
        rest = rest.mid(scheme + 3);
    const qsizetype slash = rest.indexOf(u'/');
    if (rest.left(slash < 0 ? rest.size() : slash).contains(u'.'))
        rest = slash < 0 ? QStringView() : rest.mid(slash + 1);
    return rest.toString().replace(u'/', u' ');
}
} // namespace

void forEachSpelledWord(QStringView text, const std::function<void(qsizetype, qsizetype)> &visit)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        // One token: up to the next space, with whatever braces hold left out.
        if (text[i].isSpace()) {
            ++i;
            continue;
        }
        if (text[i] == u'{') {
            const qsizetype close = text.indexOf(u'}', i);
            i = close < 0 ? size : close + 1;
            continue;
        }
        qsizetype end = i;
        while (end < size && !text[end].isSpace() && text[end] != u'{')
            ++end;
        QStringView token = text.mid(i, end - i);
        // Quotes and punctuation around an address are not part of it.
        qsizetype first = 0, last = token.size();
        while (first < last && !token[first].isLetterOrNumber())
            ++first;
        while (last > first && !token[last - 1].isLetterOrNumber() && token[last - 1] != u'/')
            --last;
        if (!isAddress(token.mid(first, last - first))) {
            for (qsizetype k = 0; k < token.size();) {
                if (!isWordChar(token[k])) {
                    ++k;
                    continue;
                }
                const qsizetype start = k;
                while (k < token.size()) {
                    if (isWordChar(token[k]))
                        ++k;
                    else if ((token[k] == u'-' || isApostrophe(token[k])) && k + 1 < token.size()
                             && isWordChar(token[k + 1]))
                        k += 2;
                    else
                        break;
                }
                const bool nearDigit = (start > 0 && token[start - 1].isDigit())
                                       || (k < token.size() && token[k].isDigit());
                if (!nearDigit)
                    visit(i + start, k - start);
            }
        }
        i = end;
    }
}

QStringList dictionaryFolders()
{
    QStringList folders;
    const QString user = App::userDataFolder();
    if (!user.isEmpty())
        folders << user + "/dictionaries"_L1;
    folders << u"/usr/share/hunspell"_s;
    return folders;
}

QList<DictionaryFile> findDictionaries(const QStringList &folders)
{
    QList<DictionaryFile> found;
    QSet<QString> seen;
    for (const QString &folder : folders) {
        const QFileInfoList dics = QDir(folder).entryInfoList({u"*.dic"_s}, QDir::Files);
        for (const QFileInfo &dic : dics) {
            const QString language = dic.completeBaseName();
            const QString aff = dic.absolutePath() + u'/' + language + ".aff"_L1;
            if (seen.contains(language) || !QFileInfo(aff).isFile())
                continue;
            seen.insert(language);
            found.append({language, dic.absoluteFilePath(), aff});
        }
    }
    std::sort(found.begin(), found.end(), [](const DictionaryFile &a, const DictionaryFile &b) {
        return a.language < b.language;
    });
    return found;
}

QStringList dictionaryLanguages(const QList<DictionaryFile> &dictionaries)
{
    QStringList languages;
    for (const DictionaryFile &d : dictionaries)
        languages.append(d.language);
    return languages;
}

QString dictionaryForLocale(const QList<DictionaryFile> &dictionaries, const QString &localeName)
{
    const QString name = localeName.section(u'.', 0, 0).section(u'@', 0, 0);
    const QString language = name.section(u'_', 0, 0);
    if (language.isEmpty() || language == "C"_L1 || language == "POSIX"_L1)
        return QString();
    for (const DictionaryFile &d : dictionaries) {
        if (d.language == name)
            return d.language;
    }
    for (const DictionaryFile &d : dictionaries) {
        if (d.language.section(u'_', 0, 0) == language)
            return d.language;
    }
    return QString();
}

int runDictionaryProbe(const QString &dicPath)
{
    const QFileInfo dic(dicPath);
    const DictionaryFile file{dic.completeBaseName(),
                              dicPath,
                              dic.absolutePath() + u'/' + dic.completeBaseName() + ".aff"_L1};
    QString problem;
    std::unique_ptr<Dictionary> dictionary = Dictionary::load(file, {}, &problem);
    if (!dictionary)
        return 1;
    for (const QString &word : {u"hello"_s, u"Helo"_s, u"xqzj"_s, u"Straße"_s, u"хлеб"_s}) {
        dictionary->isCorrect(word);
        dictionary->suggestions(word);
    }
    return 0;
}

SpellingLimits limitsFor(const DictionaryFile &file, const QString &probeProgram)
{
    SpellingLimits limits;
    if (!file.dicPath.startsWith("/usr/share/hunspell/"_L1))
        limits.probeProgram = probeProgram;
    return limits;
}

Dictionary::Dictionary(const DictionaryFile &file)
    : m_file(file)
{}

Dictionary::~Dictionary() = default;

std::unique_ptr<Dictionary>
Dictionary::load(const DictionaryFile &file, const SpellingLimits &limits, QString *problem)
{
    const auto refuse = [&](const QString &why) {
        *problem = QCoreApplication::translate("Spelling", "The dictionary %1 is not used: %2.")
                       .arg(file.language, why);
        return nullptr;
    };
    QString why = fileProblem(file.dicPath, limits.dicBytes);
    if (why.isEmpty())
        why = fileProblem(file.affPath, limits.affBytes);
    if (!why.isEmpty())
        return refuse(why);
    if (!hasPlausibleWordCount(file.dicPath, QFileInfo(file.dicPath).size()))
        return refuse(
            QCoreApplication::translate("Spelling", "%1 does not begin with its number of words")
                .arg(QDir::toNativeSeparators(file.dicPath)));
    if (!limits.probeProgram.isEmpty()) {
        QProcess probe;
        probe.start(limits.probeProgram, {QStringLiteral("--probe-dictionary"), file.dicPath});
        const bool finished = probe.waitForFinished(limits.probeMilliseconds);
        const bool survived
            = finished && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0;
        // Without the probe beside the program, the dictionary is loaded as it is.
        if (!survived && probe.error() != QProcess::FailedToStart) {
            probe.kill();
            probe.waitForFinished(1000);
            return refuse(QCoreApplication::translate("Spelling", "Hunspell fails on %1 or %2")
                              .arg(QDir::toNativeSeparators(file.dicPath),
                                   QDir::toNativeSeparators(file.affPath)));
        }
    }
    std::unique_ptr<Dictionary> dictionary(new Dictionary(file));
    try {
        dictionary->m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(file.affPath),
                                                            QFile::encodeName(file.dicPath));
    } catch (const std::exception &) {
        return refuse(QCoreApplication::translate("Spelling", "%1 cannot be read")
                          .arg(QDir::toNativeSeparators(file.dicPath)));
    }
    const QByteArray encoding = converterName(dictionary->m_hunspell->get_dict_encoding());
    dictionary->m_encoding = QString::fromLatin1(encoding);
    dictionary->m_utf8 = encoding.compare("UTF-8", Qt::CaseInsensitive) == 0;
    if (!dictionary->m_utf8 && !QStringEncoder(encoding.constData()).isValid())
        return refuse(QCoreApplication::translate("Spelling", "its encoding %1 is not known")
                          .arg(dictionary->m_encoding));
    return dictionary;
}

QByteArray Dictionary::encode(const QString &word, bool *ok) const
{
    *ok = true;
    if (m_utf8)
        return word.toUtf8();
    QStringEncoder encoder(m_encoding.toLatin1().constData(),
                           QStringConverter::Flag::ConvertInvalidToNull);
    const QByteArray bytes = encoder.encode(word);
    // A word with letters the dictionary's encoding lacks is not one of its words.
    *ok = !encoder.hasError() && !bytes.contains('\0');
    return bytes;
}

QString Dictionary::decode(const std::string &word) const
{
    if (m_utf8)
        return QString::fromStdString(word);
    QStringDecoder decoder(m_encoding.toLatin1().constData());
    return decoder.decode(QByteArrayView(word.data(), qsizetype(word.size())));
}

bool Dictionary::isCorrect(const QString &word) const
{
    bool ok = false;
    const QByteArray bytes = encode(word, &ok);
    return ok && m_hunspell->spell(bytes.toStdString());
}

QStringList Dictionary::suggestions(const QString &word) const
{
    bool ok = false;
    const QByteArray bytes = encode(word, &ok);
    QStringList result;
    if (!ok)
        return result;
    for (const std::string &s : m_hunspell->suggest(bytes.toStdString()))
        result.append(decode(s));
    return result;
}

void Dictionary::addWord(const QString &word)
{
    bool ok = false;
    const QByteArray bytes = encode(word, &ok);
    if (ok)
        m_hunspell->add(bytes.toStdString());
}

UserWords::UserWords()
    : m_revision(nextRevision())
{}

bool UserWords::load(const QString &path, const SpellingLimits &limits, QString *problem)
{
    m_path = path;
    m_words.clear();
    m_set.clear();
    m_writable = true;
    m_revision = nextRevision();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return true;
    const auto refuse = [&](const QString &why) {
        m_writable = false;
        *problem = QCoreApplication::translate(
                       "Spelling",
                       "Your dictionary is not used: %1. No word can be added to it until it is "
                       "repaired or moved.")
                       .arg(why);
        return false;
    };
    const QString why = fileProblem(path, limits.userBytes);
    if (!why.isEmpty())
        return refuse(why);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QCoreApplication::translate("Spelling", "%1 cannot be read")
                          .arg(QDir::toNativeSeparators(path)));
    const QString text = QString::fromUtf8(file.readAll());
    const auto lines = QStringView(text).split(u'\n');
    if (lines.size() > limits.userWords)
        return refuse(QCoreApplication::translate("Spelling", "%1 has more than %2 lines")
                          .arg(QDir::toNativeSeparators(path))
                          .arg(limits.userWords));
    for (const QStringView line : lines) {
        const QString word = line.trimmed().toString();
        if (!word.isEmpty() && !m_set.contains(word)) {
            m_set.insert(word);
            m_words.append(word);
        }
    }
    return true;
}

bool UserWords::add(const QString &typed, QString *problem)
{
    const QString word = typed.trimmed();
    if (word.isEmpty() || m_set.contains(word))
        return true;
    const QString where = QDir::toNativeSeparators(m_path);
    if (!m_writable || m_path.isEmpty()) {
        *problem
            = QCoreApplication::translate("Spelling", "Your dictionary %1 cannot take new words.")
                  .arg(where);
        return false;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    const QStringList words = m_words + QStringList{word};
    if (!file.open(QIODevice::WriteOnly) || file.write((words.join(u'\n') + u'\n').toUtf8()) < 0
        || !file.commit()) {
        *problem = QCoreApplication::translate("Spelling", "Your dictionary %1 could not be saved.")
                       .arg(where);
        return false;
    }
    m_words = words;
    m_set.insert(word);
    m_revision = nextRevision();
    return true;
}

QString userWordsFilePath()
{
    const QString folder = App::userDataFolder();
    return folder.isEmpty() ? QString() : folder + "/user-dictionary.txt"_L1;
}

Spelling::Spelling() = default;
Spelling::~Spelling() = default;

void Spelling::addDictionary(std::unique_ptr<Dictionary> dictionary)
{
    removeDictionary(dictionary->file().language);
    for (const QString &word : m_user.words())
        dictionary->addWord(word);
    m_dictionaries.push_back(std::move(dictionary));
    m_verdicts.clear();
}

void Spelling::removeDictionary(const QString &language)
{
    std::erase_if(m_dictionaries, [&](const std::unique_ptr<Dictionary> &d) {
        return d->file().language == language;
    });
    m_verdicts.clear();
}

void Spelling::clearDictionaries()
{
    m_dictionaries.clear();
    m_verdicts.clear();
}

QStringList Spelling::languages() const
{
    QStringList result;
    for (const auto &d : m_dictionaries)
        result.append(d->file().language);
    return result;
}

QList<DictionaryFile> Spelling::files() const
{
    QList<DictionaryFile> result;
    for (const auto &d : m_dictionaries)
        result.append(d->file());
    return result;
}

bool Spelling::addUserWord(const QString &word, QString *problem)
{
    if (!m_user.add(word, problem))
        return false;
    for (const auto &d : m_dictionaries)
        d->addWord(word.trimmed());
    m_verdicts.clear();
    return true;
}

Spelling::Verdict &Spelling::verdict(const QString &word) const
{
    // Typing asks again for the same few words; a list that grows past any ad's is dropped.
    if (m_verdicts.size() > 20000)
        m_verdicts.clear();
    auto found = m_verdicts.find(word);
    if (found != m_verdicts.end())
        return *found;
    Verdict v;
    v.correct = m_user.contains(word);
    for (const auto &d : m_dictionaries) {
        if (v.correct)
            break;
        v.correct = d->isCorrect(word);
    }
    return *m_verdicts.insert(word, v);
}

bool Spelling::isCorrect(const QString &word) const
{
    return verdict(word).correct;
}

QStringList Spelling::suggestions(const QString &word) const
{
    // Hunspell takes a tenth of a second for a word's suggestions.
    Verdict &v = verdict(word);
    if (!v.suggested) {
        for (const auto &d : m_dictionaries) {
            for (const QString &s : d->suggestions(word)) {
                if (v.suggestions.size() < 3 && !v.suggestions.contains(s))
                    v.suggestions.append(s);
            }
            if (v.suggestions.size() >= 3)
                break;
        }
        v.suggested = true;
    }
    return v.suggestions;
}

QStringList Spelling::misspeltWords(
    Rules rules, AdField field, const QString &text, const WordInProgress *typing, int index) const
{
    QStringList words;
    if (!isOn() || text.isEmpty())
        return words;
    const QString shown = spelledText(rules, field, text);
    forEachSpelledWord(shown, [&](qsizetype start, qsizetype length) {
        const QString word = shown.mid(start, length);
        const bool typed
            = typing && typing->field == field && typing->index == index && typing->word == word;
        if (!typed && !isCorrect(word) && !words.contains(word))
            words.append(word);
    });
    return words;
}

QList<Spelling::Misspelt> Spelling::misspelt(Rules rules,
                                             AdField field,
                                             const QString &text,
                                             const WordInProgress *typing) const
{
    QList<Misspelt> marks;
    const QStringList words = misspeltWords(rules, field, text, typing);
    if (words.isEmpty())
        return marks;
    // Each wherever it stands whole in the field as typed, inside dynamic text too.
    for (const QString &word : words) {
        for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
            const bool whole
                = (at == 0 || !isWordChar(text[at - 1]))
                  && (at + word.size() == text.size() || !isWordChar(text[at + word.size()]));
            const bool marked = std::any_of(
                marks.cbegin(), marks.cend(), [&](const Misspelt &m) { return m.start == at; });
            if (whole && !marked)
                marks.append({at, word.size()});
        }
    }
    std::sort(marks.begin(), marks.end(), [](const Misspelt &a, const Misspelt &b) {
        return a.start < b.start;
    });
    return marks;
}

QList<Finding>
Spelling::problems(Rules rules, const AdFields &ad, const WordInProgress *typing) const
{
    QList<Finding> result;
    for (const AdField field : {AdField::Title, AdField::Text, AdField::URL}) {
        for (int index = 0; index < ad.count(field); ++index) {
            const QStringList words
                = misspeltWords(rules, field, ad.at(field, index), typing, index);
            for (const QString &word : words) {
                const QStringList suggested = suggestions(word);
                const QString message
                    = suggested.isEmpty()
                          ? QCoreApplication::translate("MainWindow", "Unknown word “%1”").arg(word)
                          : QCoreApplication::translate("MainWindow", "Unknown word “%1” (%2?)")
                                .arg(word, suggested.join(", "_L1));
                result.append({field, Severity::Warning, message, index});
            }
        }
    }
    return result;
}
