// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/adcheck.h"
#include "ads/rules.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class Hunspell;

// Spelling with Hunspell dictionaries: which are installed, loading them within bounds, the
// user's own words, and the misspelt words of an ad as warnings.

// One installed dictionary: a .dic and .aff pair named for its language ("en_US").
struct DictionaryFile
{
    QString language;
    QString dicPath;
    QString affPath;
};

// Where dictionaries are looked for: "dictionaries" in the user's data folder first, then the
// system's folder.
QStringList dictionaryFolders();

// Every .dic/.aff pair in `folders`; a language found in an earlier folder hides the same one
// in a later folder. Sorted by language.
QList<DictionaryFile> findDictionaries(const QStringList &folders);

// The languages of `dictionaries`, in their order.
QStringList dictionaryLanguages(const QList<DictionaryFile> &dictionaries);

// The dictionary that suits `localeName` ("de_DE", "de_AT.UTF-8"): the same name, else the
// first of the same language; empty when none does.
QString dictionaryForLocale(const QList<DictionaryFile> &dictionaries, const QString &localeName);

// What is loaded at most: a larger file is refused, whole, with a message naming it.
struct SpellingLimits
{
    qint64 dicBytes = 32 * 1024 * 1024;
    qint64 affBytes = 4 * 1024 * 1024;
    qint64 userBytes = 4 * 1024 * 1024;
    int userWords = 100000;
    // Hunspell crashes on some damaged .aff files: when set, a dictionary is first loaded by
    // this program (vellumo-check) with --probe-dictionary, and refused when that fails or
    // takes longer than probeMilliseconds; loaded as it is when the program is missing.
    QString probeProgram;
    int probeMilliseconds = 20000;
};

// The probe's side: loads the dictionary whose .dic is `dicPath` and looks up and suggests a
// few words. Returns 0 when Hunspell survives it.
int runDictionaryProbe(const QString &dicPath);

// The limits for `file`: the system's dictionaries are trusted, others are probed with
// `probeProgram` first.
SpellingLimits limitsFor(const DictionaryFile &file, const QString &probeProgram);

// One loaded dictionary.
class Dictionary
{
public:
    ~Dictionary();
    Dictionary(const Dictionary &) = delete;
    Dictionary &operator=(const Dictionary &) = delete;

    // Loads `file` when both its files are regular files within `limits`, the word count that
    // opens the .dic is plausible and its encoding is one the program can convert; otherwise
    // returns null and sets *problem to a translated message naming the file.
    static std::unique_ptr<Dictionary>
    load(const DictionaryFile &file, const SpellingLimits &limits, QString *problem);

    const DictionaryFile &file() const { return m_file; }
    bool isCorrect(const QString &word) const;
    QStringList suggestions(const QString &word) const;
    void addWord(const QString &word);

private:
    explicit Dictionary(const DictionaryFile &file);
    QByteArray encode(const QString &word, bool *ok) const;
    QString decode(const std::string &word) const;

    DictionaryFile m_file;
    std::unique_ptr<Hunspell> m_hunspell;
    QString m_encoding;
    bool m_utf8 = true;
};

// A word being typed in `field`: not judged until typing pauses, since half a word is no
// mistake and its suggestions would cost a tenth of a second on every keystroke.
struct WordInProgress
{
    AdField field = AdField::Title;
    QString word;
    int index = 0; // which title or text
};

// The user's own words, one a line in a plain text file: never misspelt, and allowed in
// capitals by the capitals checks.
class UserWords
{
public:
    UserWords();

    // Reads the file at `path`; a missing file is an empty list. A file over `limits` is
    // refused: no word is taken from it, adding is refused too (the file would lose the rest),
    // and *problem names it. Returns whether the words were read.
    bool load(const QString &path, const SpellingLimits &limits, QString *problem);

    // Adds `word` and writes the file atomically; on failure nothing changes and *problem
    // says why. A word already there, or empty, changes nothing and succeeds.
    bool add(const QString &word, QString *problem);

    bool contains(QStringView word) const { return m_set.contains(word.toString()); }
    const QStringList &words() const { return m_words; }
    QString path() const { return m_path; }
    // Changes with every change of any list: what was worked out with an older number is out
    // of date.
    quint64 revision() const { return m_revision; }

private:
    QString m_path;
    QStringList m_words;
    QSet<QString> m_set;
    bool m_writable = true;
    quint64 m_revision;
};

// The user's dictionary file in the user's data folder.
QString userWordsFilePath();

// The spelling of ads: the chosen dictionaries and the user's words. A word is correct when
// any dictionary knows it or it is the user's.
class Spelling
{
public:
    Spelling();
    ~Spelling();

    // Uses `dictionary` besides those already used; the user's words are added to it.
    void addDictionary(std::unique_ptr<Dictionary> dictionary);
    // Stops using the dictionary of `language`.
    void removeDictionary(const QString &language);
    void clearDictionaries();
    QStringList languages() const;
    QList<DictionaryFile> files() const;
    bool isOn() const { return !m_dictionaries.empty(); }

    UserWords &userWords() { return m_user; }
    const UserWords &userWords() const { return m_user; }
    // Adds `word` to the user's words and to every dictionary; see UserWords::add.
    bool addUserWord(const QString &word, QString *problem);

    bool isCorrect(const QString &word) const;
    // Up to three suggestions; worked out once per word.
    QStringList suggestions(const QString &word) const;

    // Where the misspelt words of `field`, typed as `text`, stand in it: those that
    // problems() finds, for marking them in the field.
    struct Misspelt
    {
        qsizetype start;
        qsizetype length;
    };
    QList<Misspelt> misspelt(Rules rules,
                             AdField field,
                             const QString &text,
                             const WordInProgress *typing = nullptr) const;

    // The words of `ad` that no dictionary knows, in every title and text and the URL, as the
    // engine of `rules` shows the ad: dynamic text by its default, the URL's paths only. Each a
    // warning with up to three suggestions, translated. The word `typing`, when given, is let
    // through.
    QList<Finding>
    problems(Rules rules, const AdFields &ad, const WordInProgress *typing = nullptr) const;

private:
    struct Verdict
    {
        bool correct = false;
        bool suggested = false;
        QStringList suggestions;
    };
    Verdict &verdict(const QString &word) const;
    QStringList misspeltWords(Rules rules,
                              AdField field,
                              const QString &text,
                              const WordInProgress *typing,
                              int index = 0) const;

    std::vector<std::unique_ptr<Dictionary>> m_dictionaries;
    UserWords m_user;
    mutable QHash<QString, Verdict> m_verdicts;
};

// Calls `visit(start, length)` for each word of `text` that spelling looks at: runs of
// letters (with an inner "-" or apostrophe), leaving out anything in braces, words with
// digits, e-mail and web addresses.
void forEachSpelledWord(QStringView text, const std::function<void(qsizetype, qsizetype)> &visit);
