// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/adcheck.h"
#include "ads/checks.h"
#include "ads/spelling.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class tst_Spelling : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void words_data();
    void words();
    void problems_data();
    void problems();
    void refused_data();
    void refused();
    void encodings_data();
    void encodings();
    void userWords();
    void capitalsAllowUserWords_data();
    void capitalsAllowUserWords();
    void installedEnglish();
    void localeChoice_data();
    void localeChoice();

private:
    DictionaryFile writeDictionary(const QString &language,
                                   const QStringList &words,
                                   const char *encoding = "UTF-8");
    QTemporaryDir m_dir;
};

namespace {

QStringList messages(const QList<Finding> &problems)
{
    QStringList result;
    for (const Finding &p : problems)
        result << fieldName(p.field, p.index) + u": "_s + p.message;
    return result;
}
} // namespace

DictionaryFile tst_Spelling::writeDictionary(const QString &language,
                                             const QStringList &words,
                                             const char *encoding)
{
    const QString base = m_dir.filePath(language);
    QStringEncoder encoder(encoding);
    TestSupport::writeFile(base + u".aff"_s,
                           "SET "_ba + encoding + "\nTRY esianrtolcdugmphbyfvkwz\n");
    TestSupport::writeFile(
        base + u".dic"_s,
        encoder.encode(QString::number(words.size()) + u'\n' + words.join(u'\n') + u'\n'));
    return {language, base + u".dic"_s, base + u".aff"_s};
}

void tst_Spelling::initTestCase()
{
    TestSupport::isolate();
    QVERIFY(m_dir.isValid());
}

void tst_Spelling::words_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::addRow("plain") << u"Fresh bread, daily!"_s
                           << QStringList{u"Fresh"_s, u"bread"_s, u"daily"_s};
    QTest::addRow("dynamic text left out")
        << u"Buy {KeyWord:red shoes} now"_s << QStringList{u"Buy"_s, u"now"_s};
    QTest::addRow("unclosed brace") << u"Buy {KeyWord:red"_s << QStringList{u"Buy"_s};
    QTest::addRow("numbers and codes")
        << u"EOS R5 for 2026 only 4K"_s << QStringList{u"EOS"_s, u"for"_s, u"only"_s};
    QTest::addRow("e-mail") << u"Write to info@example.com today"_s
                            << QStringList{u"Write"_s, u"to"_s, u"today"_s};
    QTest::addRow("web addresses") << u"See www.shop.de or https://x.org/a, shop.com/sale."_s
                                   << QStringList{u"See"_s, u"or"_s};
    QTest::addRow("hyphen and apostrophe")
        << u"well-known don't -dash 'quoted'"_s
        << QStringList{u"well-known"_s, u"don't"_s, u"dash"_s, u"quoted"_s};
    QTest::addRow("sentence end is no address")
        << u"e.g. ok"_s << QStringList{u"e"_s, u"g"_s, u"ok"_s};
    QTest::addRow("cyrillic") << u"«Свежий хлеб»"_s << QStringList{u"Свежий"_s, u"хлеб"_s};
}

void tst_Spelling::words()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QStringList found;
    forEachSpelledWord(
        text, [&](qsizetype start, qsizetype length) { found << text.mid(start, length); });
    QCOMPARE(found, words);
}

void tst_Spelling::problems_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("all known") << u"google"_s << u"Hello world"_s << u""_s << u""_s
                               << QStringList();
    QTest::addRow("one unknown, suggested")
        << u"google"_s << u"Helo world"_s << u""_s << u""_s
        << QStringList{u"Title: Unknown word “Helo” (Hello?)"_s};
    QTest::addRow("no suggestion") << u"plain"_s << u"Qxzqj"_s << u""_s << u""_s
                                   << QStringList{u"Title: Unknown word “Qxzqj”"_s};
    QTest::addRow("default text checked, code name not")
        << u"google"_s << u""_s << u"{KeyWord:Helo} world"_s << u""_s
        << QStringList{u"Text: Unknown word “Helo” (Hello?)"_s};
    QTest::addRow("yandex template checked")
        << u"yandex"_s << u"#Helo world#"_s << u""_s << u""_s
        << QStringList{u"Title: Unknown word “Helo” (Hello?)"_s};
    QTest::addRow("google paths, not the domain")
        << u"google"_s << u""_s << u""_s << u"wrld.example/Helo/world"_s
        << QStringList{u"URL: Unknown word “Helo” (Hello?)"_s};
    QTest::addRow("yandex display link")
        << u"yandex"_s << u""_s << u""_s << u"helo-world"_s
        << QStringList{u"URL: Unknown word “helo-world” (hello-world?)"_s};
    QTest::addRow("plain URL after its domain")
        << u"plain"_s << u""_s << u""_s << u"https://wrld.example/helo"_s
        << QStringList{u"URL: Unknown word “helo” (hello?)"_s};
    QTest::addRow("each word once, fields in order")
        << u"microsoft"_s << u"Wrld"_s << u"Wrld Helo Wrld"_s << u""_s
        << QStringList{u"Title: Unknown word “Wrld” (World?)"_s,
                       u"Text: Unknown word “Wrld” (World?)"_s,
                       u"Text: Unknown word “Helo” (Hello?)"_s};
}

void tst_Spelling::problems()
{
    QFETCH(QString, rules);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, url);
    QFETCH(QStringList, expected);
    Spelling spelling;
    QString problem;
    spelling.addDictionary(
        Dictionary::load(writeDictionary(u"xx_XX"_s, {u"hello"_s, u"world"_s}), {}, &problem));
    QVERIFY2(spelling.isOn(), qPrintable(problem));
    const AdFields ad{title, text, url};
    QCOMPARE(messages(spelling.problems(rulesNamed(rules), ad)), expected);

    // Misspelt words are warnings: the ad still fits wherever it did, and an ad that does not
    // fit (these have too few titles for Google) still does not.
    EngineProfile engine;
    engine.limitTitle = engine.limitText = engine.limitURL = 99;
    engine.rules = rules;
    const AdCheck check = checkAd(engine, ad, &spelling);
    const Verdict without = checkAd(engine, ad).verdict;
    QCOMPARE(check.verdict,
             expected.isEmpty() || without == Verdict::DoesNotFit ? without : Verdict::Warnings);
    // Either way the ad's findings keep their order: by field, then title or text.
    for (qsizetype i = 1; i < check.problems.size(); ++i)
        QVERIFY(std::pair(check.problems[i - 1].field, check.problems[i - 1].index)
                <= std::pair(check.problems[i].field, check.problems[i].index));
}

void tst_Spelling::refused_data()
{
    QTest::addColumn<QByteArray>("dic");
    QTest::addColumn<QByteArray>("aff");
    QTest::addColumn<QString>("reason");
    QTest::addRow("huge word count")
        << "99999999999\nhello\n"_ba
        << "SET UTF-8\n"_ba << u"does not begin with its number of words"_s;
    QTest::addRow("no word count")
        << "hello\nworld\n"_ba
        << "SET UTF-8\n"_ba << u"does not begin with its number of words"_s;
    QTest::addRow(".dic over its cap")
        << "1\n"_ba + QByteArray(5000, 'a') << "SET UTF-8\n"_ba << u"is larger than"_s;
    QTest::addRow(".aff over its cap")
        << "1\nhello\n"_ba
        << "SET UTF-8\n"_ba + QByteArray(3000, '#') << u"is larger than"_s;
    QTest::addRow("unknown encoding") << "1\nhello\n"_ba
                                      << "SET NO-SUCH-CODE\n"_ba << u"encoding"_s;
}

void tst_Spelling::refused()
{
    QFETCH(QByteArray, dic);
    QFETCH(QByteArray, aff);
    QFETCH(QString, reason);
    const QString base = m_dir.filePath(u"bad"_s);
    TestSupport::writeFile(base + u".dic"_s, dic);
    TestSupport::writeFile(base + u".aff"_s, aff);
    SpellingLimits limits;
    limits.dicBytes = 4096;
    limits.affBytes = 2048;
    QString problem;
    QVERIFY(!Dictionary::load({u"bad"_s, base + u".dic"_s, base + u".aff"_s}, limits, &problem));
    QVERIFY2(problem.contains(reason), qPrintable(problem));
    QVERIFY2(problem.contains(u"bad"_s), qPrintable(problem));
}

void tst_Spelling::encodings_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QString>("word");
    QTest::addRow("Latin-1") << "ISO8859-1"_ba << u"café"_s;
    QTest::addRow("KOI8-R") << "KOI8-R"_ba << u"хлеб"_s;
}

void tst_Spelling::encodings()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QString, word);
    QString problem;
    std::unique_ptr<Dictionary> dictionary
        = Dictionary::load(writeDictionary(u"enc"_s, {word}, encoding.constData()), {}, &problem);
    QVERIFY2(dictionary, qPrintable(problem));
    QVERIFY(dictionary->isCorrect(word));
    QVERIFY(!dictionary->isCorrect(word.left(word.size() - 1) + u'x'));
    // A letter the encoding lacks makes no known word, and no garbage.
    QVERIFY(!dictionary->isCorrect(word + u"ж€"_s));
}

void tst_Spelling::userWords()
{
    const QString path = m_dir.filePath(u"user/words.txt"_s);
    Spelling spelling;
    QString problem;
    QVERIFY(spelling.userWords().load(path, {}, &problem));
    spelling.addDictionary(Dictionary::load(writeDictionary(u"uw"_s, {u"hello"_s}), {}, &problem));
    QVERIFY(!spelling.isCorrect(u"Vellumo"_s));
    QVERIFY(spelling.addUserWord(u" Vellumo "_s, &problem));
    QVERIFY(spelling.addUserWord(u"Vellumo"_s, &problem)); // once only
    QVERIFY(spelling.isCorrect(u"Vellumo"_s));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "Vellumo\n"_ba);
    file.close();

    // Read back; a list over its cap is refused whole and never overwritten.
    UserWords again;
    QVERIFY(again.load(path, {}, &problem));
    QCOMPARE(again.words(), QStringList{u"Vellumo"_s});
    SpellingLimits limits;
    limits.userWords = 1;
    TestSupport::writeFile(path, "one\ntwo\nthree\n");
    QVERIFY(!again.load(path, limits, &problem));
    QVERIFY2(problem.contains(QDir::toNativeSeparators(path)), qPrintable(problem));
    QVERIFY(again.words().isEmpty());
    QVERIFY(!again.add(u"four"_s, &problem));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "one\ntwo\nthree\n"_ba);
}

void tst_Spelling::capitalsAllowUserWords_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("title");
    QTest::addRow("google") << u"google"_s << u"Bags by TORY BURCH"_s;
    QTest::addRow("microsoft") << u"microsoft"_s << u"TORY BURCH bags"_s;
    QTest::addRow("yandex") << u"yandex"_s << u"Сумки TORY BURCH"_s;
}

void tst_Spelling::capitalsAllowUserWords()
{
    QFETCH(QString, rules);
    QFETCH(QString, title);
    const AdFields ad = TestSupport::completeAd(rulesNamed(rules),
                                                AdFields{title, u"Fine leather."_s, QString()});
    Spelling spelling;
    QString problem;
    QVERIFY(spelling.userWords().load(m_dir.filePath(u"brands-"_s + rules), {}, &problem));
    // The same text, checked before and after the words are added: nothing kept from before
    // may answer.
    QVERIFY(!checkAdText(rulesNamed(rules), ad, &spelling.userWords()).isEmpty());
    QVERIFY(spelling.addUserWord(u"TORY"_s, &problem));
    QVERIFY(spelling.addUserWord(u"BURCH"_s, &problem));
    QCOMPARE(messages(checkAdText(rulesNamed(rules), ad, &spelling.userWords())), QStringList());
    QVERIFY(!hasEditorialError(rulesNamed(rules), ad, &spelling.userWords()));
    // Without the list the words are flagged as before.
    QVERIFY(!checkAdText(rulesNamed(rules), ad).isEmpty());
}

void tst_Spelling::installedEnglish()
{
    const QList<DictionaryFile> installed = findDictionaries({u"/usr/share/hunspell"_s});
    const auto english = std::find_if(installed.cbegin(), installed.cend(), [](const auto &d) {
        return d.language == "en_US"_L1;
    });
    QVERIFY2(english != installed.cend(), "hunspell-en-us is not installed");
    Spelling spelling;
    QString problem;
    spelling.addDictionary(Dictionary::load(*english, {}, &problem));
    QVERIFY(spelling.isCorrect(u"Taught"_s));
    QVERIFY(spelling.isCorrect(u"subscriptions"_s));
    QVERIFY(!spelling.isCorrect(u"Tuaght"_s));
    QVERIFY(spelling.suggestions(u"Subcriptions"_s).contains(u"Subscriptions"_s));
    QVERIFY(spelling.suggestions(u"Subcriptions"_s).size() <= 3);
    // A word being typed is let through until typing ends.
    const WordInProgress typing{AdField::Text, u"Tuaght"_s};
    QVERIFY(
        spelling.problems(Rules::Google, {QString(), u"Tuaght"_s, QString()}, &typing).isEmpty());
    QCOMPARE(spelling.problems(Rules::Google, {u"Tuaght"_s, QString(), QString()}, &typing).size(),
             1);
    // Every title and text is spelt, each named; the word typed is let through in its own
    // asset only.
    AdFields responsive{u"Tuaght"_s, QString(), QString()};
    responsive.moreTitles = QStringList{QString(), u"Tuaght"_s};
    responsive.moreTexts = QStringList{u"Tuaght"_s};
    const WordInProgress typingTitle3{AdField::Title, u"Tuaght"_s, 2};
    const QStringList found = messages(spelling.problems(Rules::Google, responsive, &typingTitle3));
    QCOMPARE(found.size(), 2);
    QVERIFY2(found.at(0).startsWith(u"Title: "_s), qPrintable(found.join(u'|')));
    QVERIFY2(found.at(1).startsWith(u"Text 2: "_s), qPrintable(found.join(u'|')));
}

void tst_Spelling::localeChoice_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    QTest::addRow("exact") << u"de_DE.UTF-8"_s << u"de_DE"_s;
    QTest::addRow("same language") << u"de_AT"_s << u"de_BE"_s;
    QTest::addRow("none for it") << u"fr_FR"_s << QString();
    QTest::addRow("C locale") << u"C"_s << QString();
}

void tst_Spelling::localeChoice()
{
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    const QList<DictionaryFile> dictionaries{
        {u"de_BE"_s, {}, {}}, {u"de_DE"_s, {}, {}}, {u"en_US"_s, {}, {}}};
    QCOMPARE(dictionaryForLocale(dictionaries, locale), expected);
}

QTEST_GUILESS_MAIN(tst_Spelling)
#include "tst_spelling.moc"
