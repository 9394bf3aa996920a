// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Each engine's editorial checks, the verdicts they lead to and the summary over every engine.
#include "ads/adcheck.h"
#include "ads/charclass.h"
#include "ads/checks.h"
#include "ads/copydeck.h"
#include "ads/verdicts.h"
#include "testsupport.h"

#include <QtTest>

#include <array>
#include <numeric>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Rules)
Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(AdFields)

class tst_Checks : public QObject
{
    Q_OBJECT

private slots:
    void charClassesAreQChars();
    void checks_data();
    void checks();
    void assetSets_data();
    void assetSets();
    void assetLimits_data();
    void assetLimits();
    void verdicts_data();
    void verdicts();
    void summary();
    void verdictLines();
    void languageChangeRetranslates();
};

namespace {
// A problem as "Field: message (error|warning)".
QStringList described(const QList<Finding> &problems)
{
    QStringList lines;
    for (const Finding &p : problems) {
        lines.append(
            u"%1: %2 (%3)"_s.arg(fieldName(p.field, p.index),
                                 p.message,
                                 p.severity == Severity::Error ? u"error"_s : u"warning"_s));
    }
    return lines;
}

EngineProfile engine(const QString &rules, int title = 30, int text = 90, int url = 30)
{
    return TestSupport::engineProfile(rules, title, text, url);
}

// An ad of these titles and texts, pinned to these positions; "" is a blank one.
AdFields assets(const QStringList &titles,
                const QStringList &texts,
                const QString &url = {},
                const QString &finalUrl = u"https://example.com/"_s,
                const QList<int> &titlePins = {},
                const QList<int> &textPins = {})
{
    return TestSupport::adOf(titles, texts, url, finalUrl, titlePins, textPins);
}

// `count` distinct titles: "Roses 1", "Roses 2" ...
QStringList numbered(int count, const QString &stem = u"Roses"_s)
{
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles.append(u"%1 %2"_s.arg(stem).arg(i));
    return titles;
}
} // namespace

// The checks read each unit's classes from one lookup; every unit of the BMP must answer as
// QChar's own tests do.
void tst_Checks::charClassesAreQChars()
{
    std::array<char16_t, 0x10000> units;
    std::iota(units.begin(), units.end(), char16_t(0));
    std::array<quint8, 0x10000> classes;
    classifyUnits(QStringView(units.data(), qsizetype(units.size())), classes.data());
    for (char32_t u = 0; u < 0x10000; ++u) {
        const QChar c{char16_t(u)}; // the checks ask about units, surrogates included
        const quint8 expected
            = (c.isLetter() ? Letter : 0) | (c.isUpper() ? Upper : 0)
              | (c.isLetterOrNumber() ? LetterOrNumber : 0) | (c.isDigit() ? Digit : 0)
              | (c.isSpace() ? Space : 0) | (c.isPunct() || c.isSymbol() ? PunctOrSymbol : 0)
              | (c.category() == QChar::Symbol_Currency ? Currency : 0) | (c == u'-' ? Hyphen : 0);
        if (classes[u] != expected)
            QFAIL(qPrintable(u"U+%1: %2, QChar says %3"_s.arg(uint(u), 4, 16, QLatin1Char('0'))
                                 .arg(classes[u])
                                 .arg(expected)));
    }
}

void tst_Checks::checks_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("problems");

    const Rules g = Rules::Google, m = Rules::Microsoft, y = Rules::Yandex;
    // Google
    QTest::addRow("google: repeated marks")
        << g << u"Flowers!!"_s << u"Pay $$ less"_s << QString()
        << QStringList{
               u"Title: \"!!\" repeats a punctuation mark or symbol. (error)"_s,
               u"Title: An exclamation mark in the title (an older rule). (warning)"_s,
               u"Title: More than one exclamation mark in the ad (an older rule). (warning)"_s,
               u"Text: \"$$\" repeats a punctuation mark or symbol. (error)"_s};
    QTest::addRow("google: an ellipsis passes")
        << g << QString() << u"Roses... and more"_s << QString() << QStringList{};
    QTest::addRow("google: emoji and half-width katakana")
        << g << u"Sale 🎉"_s << u"ｶﾀｶﾅ"_s << QString()
        << QStringList{u"Title: \"🎉\" is an emoji. (error)"_s,
                       u"Text: \"ｶ\" is a half-width katakana character. (error)"_s,
                       u"Text: \"ﾀ\" is a half-width katakana character. (error)"_s,
                       u"Text: \"ﾅ\" is a half-width katakana character. (error)"_s};
    QTest::addRow("google: bullets and starred words")
        << g << u"• Free delivery"_s << u"A *great* deal ★"_s << QString()
        << QStringList{u"Title: \"•\" is a bullet or decorative symbol. (error)"_s,
                       u"Text: \"★\" is a bullet or decorative symbol. (error)"_s,
                       u"Text: \"*great*\" is decorated with asterisks. (error)"_s};
    QTest::addRow("google: spaced letters")
        << g << u"f l o w e r s"_s << u"a b are two"_s << QString()
        << QStringList{u"Title: \"f l o w e r s\" spaces out single letters. (error)"_s};
    QTest::addRow("google: click here")
        << g << QString() << u"Click here for deals"_s << QString()
        << QStringList{
               u"Text: \"Click here\" says nothing about the offer; say what it is. (error)"_s};
    QTest::addRow("google: capitals warn")
        << g << u"FREE Shipping"_s << u"Made in the USA"_s << QString()
        << QStringList{u"Title: \"FREE\" is written in capitals. (warning)"_s};
    QTest::addRow("google: FREE Shipping!!")
        << g << u"FREE Shipping!!"_s << QString() << QString()
        << QStringList{
               u"Title: \"!!\" repeats a punctuation mark or symbol. (error)"_s,
               u"Title: \"FREE\" is written in capitals. (warning)"_s,
               u"Title: An exclamation mark in the title (an older rule). (warning)"_s,
               u"Title: More than one exclamation mark in the ad (an older rule). (warning)"_s};
    QTest::addRow("google: one ! in the text passes")
        << g << QString() << u"Fresh roses!"_s << QString() << QStringList{};
    QTest::addRow("google: phone in the headline")
        << g << u"Call 1-800-555-0199"_s << u"Call 1-800-555-0199"_s << QString()
        << QStringList{u"Title: \"1-800-555-0199\" looks like a phone number. (warning)"_s};
    QTest::addRow("google: dynamic text without a default")
        << g << u"Buy {KeyWord}"_s << u"Buy {KeyWord:Roses"_s << QString()
        << QStringList{u"Title: \"{KeyWord}\" has no default text. (error)"_s,
                       u"Text: A \"{\" is not closed by \"}\". (error)"_s};
    QTest::addRow("google: keyword in capitals is no shouting")
        << g << u"{KEYWORD:Roses}"_s << QString() << QString() << QStringList{};
    QTest::addRow("google: paths")
        << g << QString() << QString() << u"example.com/a/b/c"_s
        << QStringList{u"URL: \"c\" is a third path; a URL has two at most. (error)"_s};
    QTest::addRow("google: a long path")
        << g << QString() << QString() << u"example.com/abcdefghijklmnop"_s
        << QStringList{
               u"URL: The path \"abcdefghijklmnop\" is longer than 15 characters. (error)"_s};
    QTest::addRow("google: no dynamic text in the URL")
        << g << QString() << QString() << u"example.com/{KeyWord:x}"_s
        << QStringList{u"URL: Dynamic text cannot be used here. (error)"_s};
    // Microsoft
    QTest::addRow("microsoft: more than one word in capitals")
        << m << u"Order FRESH fruit TODAY"_s << u"Made in the USA"_s << QString()
        << QStringList{
               u"Title: More than one word is written in capitals: \"FRESH\", \"TODAY\". (error)"_s};
    QTest::addRow("microsoft: repeated punctuation")
        << m << u"swimsuits!!!!"_s << QString() << QString()
        << QStringList{u"Title: \"!!!!\" repeats a punctuation mark or symbol. (error)"_s};
    QTest::addRow("microsoft: the same word three times")
        << m << u"Sale, sale, sale"_s << QString() << QString()
        << QStringList{u"Title: \"sale\" stands three times in a row. (error)"_s};
    QTest::addRow("microsoft: three in a row inside the text, two are fine")
        << m << u"Fresh ROSES roses Roses today"_s << u"red red, white"_s << QString()
        << QStringList{u"Title: \"Roses\" stands three times in a row. (error)"_s};
    QTest::addRow("microsoft: currency sign in a word")
        << m << u"Get Ca$h Now"_s << u"Only $5"_s << QString()
        << QStringList{u"Title: \"Ca$h\" has a currency sign inside a word. (error)"_s};
    QTest::addRow("microsoft: phone in the description")
        << m << QString() << u"Call 425-555-0100"_s << QString()
        << QStringList{u"Text: \"425-555-0100\" looks like a phone number. (error)"_s};
    QTest::addRow("microsoft: thousands are no phone")
        << m << QString() << u"Over 1 000 000 sold"_s << QString() << QStringList{};
    QTest::addRow("microsoft: click here and markup")
        << m << u"Click here now"_s << u"<b>Sale</b>"_s << QString()
        << QStringList{
               u"Title: \"Click here\" says nothing about the offer; say what it is. (error)"_s,
               u"Text: \"<b>\" looks like markup. (error)"_s};
    QTest::addRow("microsoft: a lone < is no markup")
        << m << QString() << u"Prices < $5, see <b> here"_s << QString()
        << QStringList{u"Text: \"<b>\" looks like markup. (error)"_s};
    QTest::addRow("microsoft: no letter or digit")
        << m << u"!?"_s << QString() << QString()
        << QStringList{u"Title: There is no letter or digit. (error)"_s};
    QTest::addRow("microsoft: no default")
        << m << u"{keyword}"_s << QString() << QString()
        << QStringList{u"Title: \"{keyword}\" has no default text. (error)"_s};
    QTest::addRow("microsoft: a path with a slash inside, a long URL")
        << m << QString() << QString()
        << u"www.a-very-long-domain-name-for-flowers-and-plants.example.com/roses/red/x"_s
        << QStringList{u"URL: \"x\" is a third path; a URL has two at most. (error)"_s,
                       u"URL: Domain and paths come to 74 characters, more than 67. (error)"_s};
    // Yandex
    QTest::addRow("yandex: capitals warn")
        << y << u"КУПИТЬ ДИВАН"_s << u"По ГОСТ"_s << QString()
        << QStringList{u"Title: \"КУПИТЬ\" is written in capitals. (warning)"_s,
                       u"Title: \"ДИВАН\" is written in capitals. (warning)"_s,
                       u"Text: \"ГОСТ\" is written in capitals. (warning)"_s};
    QTest::addRow("yandex: spaced letters, repeated words")
        << y << u"Р А С П Р О Д А Ж А"_s << u"Скидки скидки скидки"_s << QString()
        << QStringList{u"Title: \"Р А С П Р О Д А Ж А\" spaces out single letters. (error)"_s,
                       u"Text: \"скидки\" stands three times in a row. (error)"_s};
    QTest::addRow("yandex: phone and e-mail")
        << y << u"Звоните +7 495 123-45-67"_s << u"Пишите shop@example.ru"_s << QString()
        << QStringList{u"Title: \"+7 495 123-45-67\" looks like a phone number. (error)"_s,
                       u"Text: \"shop@example.ru\" looks like an e-mail address. (error)"_s};
    QTest::addRow("yandex: emoji") << y << u"Диваны 🛋"_s << QString() << QString()
                                   << QStringList{u"Title: \"🛋\" is an emoji. (error)"_s};
    QTest::addRow("yandex: long words")
        << y << u"Электрогенераторостроение"_s << u"Электрогенераторостроение"_s << QString()
        << QStringList{
               u"Title: \"Электрогенераторостроение\" is longer than 22 characters. (error)"_s,
               u"Text: \"Электрогенераторостроение\" is longer than 23 characters. (error)"_s};
    QTest::addRow("yandex: a word of 23 passes in the text")
        << y << QString() << u"Электрогенераторострое"_s.append(u'н') << QString() << QStringList{};
    QTest::addRow("yandex: !! warns")
        << y << u"Скидки!!"_s << QString() << QString()
        << QStringList{u"Title: \"!!\": more than one exclamation mark in a row. (warning)"_s};
    QTest::addRow("yandex: display link dropped characters")
        << y << QString() << QString() << u"диваны!"_s
        << QStringList{u"URL: The display link will show \"диваны\". (warning)"_s};
    QTest::addRow("yandex: unpaired #")
        << y << u"Купить #слона недорого"_s << QString() << QString()
        << QStringList{u"Title: A \"#\" has no partner to close the template. (error)"_s};
    QTest::addRow("yandex: a clean ad")
        << y << u"Купить диван недорого"_s << u"Диваны в наличии. Доставка!"_s << u"диваны"_s
        << QStringList{};
    // Rules without checks
    QTest::addRow("baidu checks nothing")
        << Rules::Baidu << u"FREE!!"_s << u"Click here"_s << QString() << QStringList{};
    QTest::addRow("plain checks nothing")
        << Rules::Plain << u"FREE!!"_s << u"Click here"_s << u"a/b/c/d"_s << QStringList{};
}

void tst_Checks::checks()
{
    QFETCH(Rules, rules);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, url);
    QFETCH(QStringList, problems);
    // The ad is made whole with clean assets: the rows are about the checks of their fields,
    // assetSets about the ad as a whole.
    const AdFields ad = TestSupport::completeAd(rules, AdFields{title, text, url});
    bool error = false;
    for (const QString &p : std::as_const(problems))
        error = error || p.endsWith(u"(error)"_s);
    // Asked first, the question runs the error checks alone; asked after, it takes the answer
    // from all the checks.
    QCOMPARE(hasEditorialError(rules, ad), error);
    QCOMPARE(described(checkAdText(rules, ad)), problems);
    QCOMPARE(hasEditorialError(rules, ad), error);
}

void tst_Checks::assetSets_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<AdFields>("ad");
    QTest::addColumn<QStringList>("problems");

    const Rules g = Rules::Google, m = Rules::Microsoft, y = Rules::Yandex, b = Rules::Baidu;
    const QStringList two{u"Fresh flowers."_s, u"Order by noon."_s};
    const QString noFinal = QString();
    QTest::addRow("google: 3 titles and 2 texts fit")
        << g << assets(numbered(3), two) << QStringList{};
    QTest::addRow("google: 15 titles and 4 texts fit")
        << g << assets(numbered(15), numbered(4, u"Text"_s)) << QStringList{};
    QTest::addRow("google: one title and one text")
        << g << assets({u"Roses"_s}, {u"Fresh."_s})
        << QStringList{u"Ad: Needs 2 more titles. (error)"_s, u"Ad: Needs 1 more text. (error)"_s};
    QTest::addRow("microsoft: blank ones in the middle do not count")
        << m << assets({u"Roses"_s, u" "_s, u""_s, u"Tulips"_s}, {u"Fresh."_s, u""_s, u"Cut."_s})
        << QStringList{u"Ad: Needs 1 more title. (error)"_s};
    QTest::addRow("google: 16 titles")
        << g << assets(numbered(16), two)
        << QStringList{u"Ad: Has 16 titles; the engine takes 15 at most. (error)"_s};
    QTest::addRow("baidu: a second text")
        << b << assets({u"鲜花"_s}, {u"鲜花"_s, u"送花"_s}, {}, noFinal)
        << QStringList{u"Ad: Has 2 texts; the engine takes 1 at most. (error)"_s};
    QTest::addRow("yandex: titles past the second are neither counted nor checked")
        << y
        << assets({u"Диваны"_s, u"Кресла"_s, u"КРЕСЛА ДЁШЕВО!!"_s + QString(60, u'x')},
                  {u"Диваны."_s})
        << QStringList{u"Ad: Has 3 titles; the engine takes 2 at most. (error)"_s};
    QTest::addRow("google: the same title as shown, in any case")
        << g << assets({u"{KeyWord:Roses}"_s, u"Tulips"_s, u"roses "_s}, two)
        << QStringList{u"Title 3: The same as title 1. (error)"_s};
    QTest::addRow("microsoft: the same text twice")
        << m << assets(numbered(3), {u"Fresh."_s, u"Cut."_s, u"fresh."_s})
        << QStringList{u"Text 3: The same as text 1. (error)"_s};
    QTest::addRow("yandex: title 2 the same as title 1 warns")
        << y << assets({u"Диваны"_s, u"#Диваны#"_s}, {u"Диваны."_s})
        << QStringList{u"Title 2: The same as title 1. (warning)"_s};
    QTest::addRow("google: every title pinned to 1")
        << g << assets(numbered(3), two, {}, u"https://example.com/"_s, {1, 1, 1})
        << QStringList{
               u"Ad: No title can show in position 2: pin one there or leave one unpinned. (error)"_s};
    QTest::addRow("google: pins that leave enough unpinned")
        << g << assets(numbered(3), two, {}, u"https://example.com/"_s, {1, 0, 3}, {0, 2})
        << QStringList{};
    QTest::addRow("microsoft: both texts pinned to 2")
        << m << assets(numbered(3), two, {}, u"https://example.com/"_s, {}, {2, 2})
        << QStringList{
               u"Ad: No text can show in position 1: pin one there or leave one unpinned. (error)"_s};
    QTest::addRow("google: positions the engine does not have")
        << g << assets(numbered(3), two, {}, u"https://example.com/"_s, {0, 4}, {3})
        << QStringList{u"Title 2: Pinned to position 4, which the engine does not have. (error)"_s,
                       u"Text: Pinned to position 3, which the engine does not have. (error)"_s};
    QTest::addRow("yandex: no pins at all")
        << y << assets({u"Диваны"_s}, {u"Диваны."_s}, {}, u"https://example.ru/"_s, {1})
        << QStringList{u"Title: Pinned to position 1, which the engine does not have. (error)"_s};
    QTest::addRow("google: empty title 1 with text typed")
        << g << assets({u""_s, u"Roses"_s, u"Tulips"_s, u"Lilies"_s}, two)
        << QStringList{u"Title: The first title is empty. (error)"_s};
    QTest::addRow("google: only a text typed")
        << g << assets({}, {u"Fresh."_s}, {}, noFinal)
        << QStringList{u"Title: The first title is empty. (error)"_s,
                       u"Final URL: No final URL yet: the engine needs the page the ad leads to. "
                       "(warning)"_s,
                       u"Ad: Needs 2 more titles. (error)"_s,
                       u"Ad: Needs 1 more text. (error)"_s};
    QTest::addRow("baidu: empty title 1 with text typed")
        << b << assets({}, {u"鲜花"_s}, {}, noFinal)
        << QStringList{u"Title: The first title is empty. (error)"_s};
    QTest::addRow("plain: empty title 1 passes")
        << Rules::Plain << assets({}, {u"Fresh."_s}, {}, noFinal) << QStringList{};
    for (const Rules rules : allRules()) {
        QTest::addRow("%s: nothing typed", qPrintable(rulesIdentifier(rules)))
            << rules << assets({u""_s, u""_s}, {}, {}, noFinal) << QStringList{};
    }
    QTest::addRow("google: path 2 without path 1")
        << g << assets(numbered(3), two, u"example.com//offers"_s)
        << QStringList{u"URL: There is a path 2 but no path 1. (error)"_s};
    QTest::addRow("google: a slash after path 1 passes")
        << g << assets(numbered(3), two, u"example.com/roses/"_s) << QStringList{};
    QTest::addRow("microsoft: no final URL warns")
        << m << assets(numbered(3), two, {}, noFinal)
        << QStringList{u"Final URL: No final URL yet: the engine needs the page the ad leads to. "
                       "(warning)"_s};
    QTest::addRow("google: each title checked, by field and index")
        << g
        << assets({u"Roses"_s, u"Tulips"_s, u"Lilies"_s, u"Roses"_s, u"Sale!!"_s},
                  {u"Fresh."_s, u"Click here"_s})
        << QStringList{
               u"Title 4: The same as title 1. (error)"_s,
               u"Title 5: \"!!\" repeats a punctuation mark or symbol. (error)"_s,
               u"Title 5: An exclamation mark in the title (an older rule). (warning)"_s,
               u"Text 2: \"Click here\" says nothing about the offer; say what it is. (error)"_s};
}

void tst_Checks::assetSets()
{
    QFETCH(Rules, rules);
    QFETCH(AdFields, ad);
    QFETCH(QStringList, problems);
    bool error = false;
    for (const QString &p : std::as_const(problems))
        error = error || p.endsWith(u"(error)"_s);
    QCOMPARE(described(checkAdText(rules, ad)), problems);
    QCOMPARE(hasEditorialError(rules, ad), error);
    // The verdict of a whole engine agrees.
    const AdCheck check = checkAd(engine(rulesIdentifier(rules)), ad);
    QCOMPARE(described(check.problems), problems);
    QCOMPARE(check.verdict,
             error                ? Verdict::DoesNotFit
             : problems.isEmpty() ? Verdict::Fits
                                  : Verdict::Warnings);
}

// Every title and text is held to its own limit, by checkAd, the reason given and the summary.
void tst_Checks::assetLimits_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<AdFields>("ad");
    QTest::addColumn<QString>("reason");

    const QStringList two{u"Fresh flowers."_s, u"Order by noon."_s};
    QStringList titles = numbered(7);
    titles[6] = u"東京で人気の花屋さん新鮮な花束を"_s; // 32 as Google counts
    QTest::addRow("google: title 7 over")
        << u"google"_s << assets(titles, two) << u"Title 7 over its limit (32 of 30)"_s;
    QTest::addRow("microsoft: text 4 over")
        << u"microsoft"_s << assets(numbered(3), {u"a"_s, u"b"_s, u"c"_s, QString(91, u'x')})
        << u"Text 4 over its limit (91 of 90)"_s;
    // 30 letters and 15 narrow marks fit title 2; the 16th mark counts.
    const QString letters = u"Диваны и кресла от фабрики 24ч"_s;
    QCOMPARE(letters.size(), 30);
    const QString fifteen = u"."_s.repeated(15);
    QTest::addRow("yandex: title 2 of 30 and 15 narrow marks")
        << u"yandex"_s << assets({u"Диваны"_s, letters + fifteen}, {u"Диваны."_s}) << QString();
    QTest::addRow("yandex: title 2 with a 16th narrow mark")
        << u"yandex"_s << assets({u"Диваны"_s, letters + fifteen + u","_s}, {u"Диваны."_s})
        << u"Title 2 over its limit (31 of 30)"_s;
    QTest::addRow("yandex: title 1 keeps the profile's limit")
        << u"yandex"_s
        << assets({u"Диваны и кресла от фабрики в Москве"_s, u"Диваны"_s}, {u"Диваны."_s})
        << QString();
}

void tst_Checks::assetLimits()
{
    QFETCH(QString, rules);
    QFETCH(AdFields, ad);
    QFETCH(QString, reason);
    QList<CatalogueEntry> catalogue(1);
    catalogue[0].problem = EngineFileProblem::None;
    catalogue[0].profile = engine(rules, rules == u"yandex"_s ? 56 : 30);
    const AdCheck check = checkAd(catalogue[0].profile, ad);
    QCOMPARE(verdictReason(check), reason);
    QCOMPARE(check.verdict, reason.isEmpty() ? Verdict::Fits : Verdict::DoesNotFit);
    QCOMPARE(summariseFit(catalogue, ad).fitting, reason.isEmpty() ? 1 : 0);
    // The sheet, the copy deck and the checker name the same asset.
    const QList<Finding> found = adFindings(check);
    QCOMPARE(found.isEmpty(), reason.isEmpty());
    if (!found.isEmpty())
        QVERIFY(
            reason.startsWith(fieldName(found.first().field, found.first().index) + u" over"_s));
}

void tst_Checks::verdicts_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<int>("titleCount");
    QTest::addColumn<int>("textCount");

    const QString japanese16 = u"東京で人気の花屋さん新鮮な花束を"_s;
    QTest::addRow("plain: 16 Japanese fit 30")
        << u""_s << japanese16 << u"ab"_s << Verdict::Fits << 16 << 2;
    QTest::addRow("google: 16 Japanese count 32")
        << u"google"_s << japanese16 << u"ab"_s << Verdict::DoesNotFit << 32 << 2;
    QTest::addRow("google: a warning")
        << u"google"_s << u"FREE Shipping"_s << u"ab"_s << Verdict::Warnings << 13 << 2;
    QTest::addRow("google: an error")
        << u"google"_s << u"Shipping!!"_s << u"ab"_s << Verdict::DoesNotFit << 10 << 2;
    QTest::addRow("google: keyword insertion fits")
        << u"google"_s << u"Buy {KeyWord:Chocolate}"_s << u"ab"_s << Verdict::Fits << 13 << 2;
    QTest::addRow("yandex: eight narrow marks leave 76 of 84")
        << u"yandex"_s << u"Roses"_s
        << u"Fresh roses, tulips and lilies delivered to your door every single day"
           "a.b,c.d,e.f,g."_s
        << Verdict::Fits << 5 << 76;
    QTest::addRow("unknown rules count as plain")
        << u"bing"_s << u"Shipping!!"_s << u"ab"_s << Verdict::Fits << 10 << 2;
}

void tst_Checks::verdicts()
{
    QFETCH(QString, rules);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(Verdict, verdict);
    QFETCH(int, titleCount);
    QFETCH(int, textCount);
    // Made whole with clean assets, so that the verdict is the two fields'.
    const AdCheck check
        = checkAd(engine(rules, 30, 81),
                  TestSupport::completeAd(rulesNamed(rules), AdFields{title, text, QString()}));
    QCOMPARE(check.title.count, titleCount);
    QCOMPARE(check.title.limit, 30);
    QCOMPARE(check.text.count, textCount);
    QCOMPARE(check.verdict, verdict);
    QCOMPARE(verdictReason(check).isEmpty(), verdict == Verdict::Fits);
}

void tst_Checks::summary()
{
    QList<CatalogueEntry> catalogue;
    const auto addEngine = [&](const QString &name, const EngineProfile &values, bool readable) {
        CatalogueEntry entry;
        entry.problem = readable ? EngineFileProblem::None : EngineFileProblem::NotWellFormed;
        entry.profile = values;
        entry.profile.name = name;
        catalogue.append(entry);
    };
    addEngine(u"Google"_s, engine(u"google"_s), true);
    addEngine(u"Yandex"_s, engine(u"yandex"_s, 56, 81, 20), true);
    addEngine(u"Old"_s, engine(QString(), 20, 90, 30), true);
    addEngine(u"Broken"_s, engine(u"google"_s), false);
    const QList<CatalogueEntry> &engines = catalogue;

    // 16 Japanese characters: Google counts 32, the others 16.
    const AdFields japanese{u"東京で人気の花屋さん新鮮な花束を"_s, u"Fresh."_s, QString()};
    FitSummary fit = summariseFit(engines, japanese);
    QCOMPARE(fit.engines, 3);
    QCOMPARE(fit.fitting, 2);
    QCOMPARE(fitSummaryText(fit), u"Fits 2 of 3 engines"_s);

    // An error in Google's eyes only; 22 characters pass the plain 20 for none.
    const AdFields shouting{u"Great flowers today!!!"_s, u"Fresh."_s, QString()};
    fit = summariseFit(engines, shouting);
    QCOMPARE(fit.fitting, 1);

    // Each engine agrees with its own checkAd.
    for (const AdFields &ad : {japanese, shouting}) {
        int fitting = 0;
        for (const CatalogueEntry &entry : std::as_const(catalogue)) {
            if (entry.isReadable() && checkAd(entry.profile, ad).verdict != Verdict::DoesNotFit)
                ++fitting;
        }
        QCOMPARE(summariseFit(engines, ad).fitting, fitting);
    }
}

// The tool tip gives every reason of every engine, each title and text by its name.
void tst_Checks::verdictLines()
{
    const auto entry = [](const QString &name, const QString &rules, int title, bool readable) {
        CatalogueEntry e;
        e.problem = readable ? EngineFileProblem::None : EngineFileProblem::NotWellFormed;
        e.profile = engine(rules, title);
        e.profile.name = name;
        return e;
    };
    const QList<CatalogueEntry> catalogue{entry(u"G"_s, u"google"_s, 10, true),
                                          entry(u"W"_s, u"google"_s, 30, true),
                                          entry(u"Y"_s, u"yandex"_s, 56, true),
                                          entry(u"P"_s, QString(), 30, true),
                                          entry(u"X"_s, u"google"_s, 30, false)};
    const AdFields ad = assets({u"FREE roses today"_s, u"Tulips"_s, u"Lilies for Sunday"_s},
                               {u"Fresh flowers."_s, u"Order by noon."_s});
    QCOMPARE(engineVerdictsText(catalogue, ad),
             u"G: does not fit:\n"
             "    Title over its limit (16 of 10)\n"
             "    Title 3 over its limit (17 of 10)\n"
             "    Title: \"FREE\" is written in capitals.\n"
             "W: fits, with warnings:\n"
             "    Title: \"FREE\" is written in capitals.\n"
             "Y: does not fit:\n"
             "    Ad: Has 3 titles; the engine takes 2 at most.\n"
             "    Ad: Has 2 texts; the engine takes 1 at most.\n"
             "    Title: \"FREE\" is written in capitals.\n"
             "P: fits\n"
             "X: cannot be read"_s);
}

// Measures and checks are kept across keystrokes; their texts follow a change of language.
void tst_Checks::languageChangeRetranslates()
{
    const AdFields ad{u"FREE roses"_s, u"東京"_s, QString()};
    QCOMPARE(measureField(Rules::Google, AdField::Text, ad.text).explanation,
             u"Double-width characters, counted twice: 2"_s);
    QCOMPARE(checkAdText(Rules::Google, ad).first().message, u"\"FREE\" is written in capitals."_s);
    QCOMPARE(fitSummaryText({1, 2}), u"Fits 1 of 2 engines"_s);

    QTranslator german;
    QVERIFY(german.load(u"velm_de"_s, QStringLiteral(VELLUMO_BUILD_DIR)));
    QCoreApplication::installTranslator(&german);
    QCOMPARE(measureField(Rules::Google, AdField::Text, ad.text).explanation,
             u"Zeichen doppelter Breite, doppelt gezählt: 2"_s);
    QCOMPARE(checkAdText(Rules::Google, ad).first().message,
             u"„FREE“ ist in Großbuchstaben geschrieben."_s);
    QCOMPARE(fitSummaryText({1, 2}), u"Passt für 1 von 2 Suchmaschinen"_s);
    QCOMPARE(checkAdText(Rules::Google, ad).last().message, u"Braucht noch 1 Text."_s);
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(fitSummaryText({1, 2}), u"Fits 1 of 2 engines"_s);
}

QTEST_GUILESS_MAIN(tst_Checks)
#include "tst_checks.moc"
