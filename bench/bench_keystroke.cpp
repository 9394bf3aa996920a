// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One keystroke in the ad text (or in title 15 of a full ad) with live preview on, against its
// floor: the same widget updates given their final strings directly. Our share is counting as
// the engine counts, checking the ad, every engine's verdict, the counter message and building
// the preview document; the floor is what the labels and the browser cost anyway.
#include "ads/adcheck.h"
#include "ads/checks.h"
#include "ads/combinations.h"
#include "ads/counters.h"
#include "ads/enginestate.h"
#include "ads/preview.h"
#include "ads/rules.h"
#include "ads/spelling.h"
#include "ads/verdicts.h"
#include "engines/catalogue.h"
#include "engines/enginefile.h"
#include "engines/enginesfolder.h"
#include "ui/asseteditor.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"
#include "ui/markup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace {
constexpr int warmUpPairs = 20;
constexpr int measuredPairs = 201;

const QString adTitle = u"Spring sale at Vellumo"_s;
const QString adURL = u"www.example.com/spring"_s;

QString adText(int length)
{
    const QString words = u"Fresh flowers & plants <delivered> today, \"free\" shipping. "_s;
    return words.repeated(length / words.size() + 1).left(length);
}

// A page of about 10 KB, as a richly styled engine template might be.
QString largeTemplate()
{
    const QString block = u"<div style=\"font-family: Arial, Helvetica, sans-serif; "
                          "margin: 4px 0; color: #4d5156;\"><span style=\"font-size: 12px; "
                          "color: #70757a;\">Related result</span> <b>Sponsored</b> "
                          "<i>listing</i> with &amp; entities &middot; and a "
                          "<a href=\"#\">link</a></div>\n"_s;
    QString page = u"<html><body><h3>Advertisment</h3><a href=\"#\">%TITLE%</a><br>"
                   "<span>%URL%</span><br><p>%TEXT%</p><hr>\n"_s;
    while (page.size() < 10 * 1024)
        page += block;
    return page + u"</body></html>"_s;
}

double median(std::vector<double> values)
{
    const auto middle = values.begin() + qsizetype(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

template<typename Work>
double elapsedNanoseconds(Work work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed());
}

struct Result
{
    QString name;
    double ours;
    double floor;
    double ratio;
};

// The widgets one keystroke in the ad text writes.
struct Widgets
{
    QString counter;
    QString counterTip;
    QString page;
    QString checks;
    QString fit;
};

// A full responsive search ad, 15 titles and 4 texts, whose title 15 is `title15`.
AdFields fullAd(const QString &title15)
{
    AdFields ad{adTitle, adText(80), adURL};
    for (int i = 1; i < maxAdTitles; ++i)
        ad.set(AdField::Title, i, u"Fresh flowers, title %1"_s.arg(i + 1));
    for (int i = 1; i < maxAdTexts; ++i)
        ad.set(AdField::Text, i, adText(60 + i));
    ad.set(AdField::Title, maxAdTitles - 1, title15);
    ad.finalUrl = u"https://www.example.com/spring?src=ads"_s;
    return ad;
}

// Where the keystroke goes: the form's text, or title 15 of a full ad.
enum class Typed { Text, Title15 };

// With `spelling`, the keystroke is typed: the line edit reports an edit before its change, and
// the floor's checks are made with a spelling of the same dictionaries.
Result measure(MainWindow &window,
               const QString &name,
               const QString &templateText,
               int length,
               Spelling *spelling = nullptr,
               Typed typed = Typed::Text)
{
    MainForm *form = window.mainForm;
    auto *editor = window.findChild<AssetEditor *>(u"assetEditor"_s);
    const bool title15 = typed == Typed::Title15;
    const AdField field = title15 ? AdField::Title : AdField::Text;
    const int index = title15 ? maxAdTitles - 1 : 0;
    QLabel *fitLabel = window.statusBar()->findChild<QLabel *>(u"labelEnginesFit"_s);
    currentEngine.templateText = templateText;
    const EngineProfile &engine = currentEngine;
    const QList<CatalogueEntry> engines = readCatalogue();

    // The keystroke that takes the field from length - 1 to length characters.
    const QString textBefore = adText(length - 1);
    const QString textAfter = adText(length);
    if (title15)
        editor->setAd(fullAd(textBefore));
    QLineEdit *edit = title15 ? editor->edit(field, index) : form->lineEditText;
    QLabel *counter = title15 ? editor->counter(field, index) : form->labelText;
    // What the widgets show for a text, worked out by the core functions the window calls.
    const auto widgetsFor = [&](const QString &text) {
        const AdFields ad = title15 ? fullAd(text) : AdFields{adTitle, text, adURL};
        // The word being typed, as the window takes it from the cursor at the end.
        WordInProgress typing{field, QString()};
        forEachSpelledWord(text, [&](qsizetype start, qsizetype length) {
            if (start + length == text.size())
                typing.word = text.mid(start, length);
        });
        const AdCheck check = checkAd(engine, ad, spelling, &typing);
        const Rules rules = rulesNamed(currentEngine.rules);
        return Widgets{
            title15
                ? counterMessage(check.count(field, index).count,
                                 assetLimit(engine, rules, field, index))
                : textCounterMessage(check.text.count,
                                     check.text.limit,
                                     lineBreakHint(check.text.count, currentEngine.textLineBreak)),
            measureField(rules, field, text, index).explanation,
            renderPreview(currentEngine, ad, combinationAt(ad, assetFormat(rules), 0)),
            problemsText(check.problems),
            fitSummaryText(summariseFit(engines, ad, spelling ? &spelling->userWords() : nullptr))};
    };
    const Widgets before = widgetsFor(textBefore);
    const Widgets after = widgetsFor(textAfter);
    const auto show = [&](const Widgets &w) {
        counter->setText(w.counter);
        counter->setToolTip(w.counterTip);
        form->textBrowserPreview->setHtml(w.page);
        form->labelChecks->setText(w.checks);
        fitLabel->setText(w.fit);
    };

    // Both runs start from the widgets as they stood before the keystroke, with the new text
    // already in the line edit, the last measures and checks kept by the core those of the text
    // before it, and with nothing left pending in the event queue.
    const auto prepare = [&] {
        {
            const QSignalBlocker blocker(edit);
            edit->setText(textAfter);
        }
        widgetsFor(textBefore);
        show(before);
        QCoreApplication::processEvents();
    };
    const auto ours = [&] {
        if (spelling)
            window.lineEditText_textEdited(textAfter);
        if (title15)
            window.assetEditor_assetEdited(field, index);
        else
            window.lineEditText_textChanged(textAfter);
    };
    const auto floor = [&] { show(after); };

    // Both must leave the same thing behind, or the comparison means nothing.
    const auto state = [&] {
        return QStringList{counter->text(),
                           counter->toolTip(),
                           form->textBrowserPreview->toHtml(),
                           form->labelChecks->text(),
                           fitLabel->text()};
    };
    prepare();
    ours();
    const QStringList oursState = state();
    prepare();
    floor();
    if (oursState != state()) {
        std::fprintf(stderr, "%s: the keystroke and its floor disagree\n", qPrintable(name));
        std::exit(1);
    }

    std::vector<double> oursTimes, floorTimes, ratios;
    for (int pair = 0; pair < warmUpPairs + measuredPairs; ++pair) {
        double o = 0, f = 0;
        // Alternate which goes first, so neither always runs on a warmer cache.
        if (pair % 2 == 0) {
            prepare();
            o = elapsedNanoseconds(ours);
            prepare();
            f = elapsedNanoseconds(floor);
        } else {
            prepare();
            f = elapsedNanoseconds(floor);
            prepare();
            o = elapsedNanoseconds(ours);
        }
        if (pair < warmUpPairs)
            continue;
        oursTimes.push_back(o);
        floorTimes.push_back(f);
        ratios.push_back(o / f);
    }
    // The median of the pairwise ratios: each pair ran back to back, so a slow spell of the
    // machine touches both halves of a pair alike.
    return {name, median(oursTimes), median(floorTimes), median(ratios)};
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());

    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    window.mainForm->checkBoxPreview->setChecked(true);
    window.mainForm->lineEditTitle->setText(adTitle);
    window.mainForm->lineEditURL->setText(adURL);

    // An engine that shows the whole text, broken every 50 characters.
    currentEngine.limitTitle = 30;
    currentEngine.limitText = 2300;
    currentEngine.limitURL = 35;
    currentEngine.textLineBreak = 50;

    const QString bigPage = largeTemplate();
    std::vector<Result> results;
    for (const int length : {2300, 80}) {
        results.push_back(
            measure(window, u"keystroke_%1_default"_s.arg(length), defaultTemplate, length));
        results.push_back(measure(window, u"keystroke_%1_10k"_s.arg(length), bigPage, length));
    }

    // With engine rules: the three shipped engines' rule sets in the catalogue, each giving
    // its verdict on every keystroke, and the chosen engine's checks under the fields.
    QTemporaryDir enginesDir;
    setEnginesFolder(enginesDir.path());
    const auto useCatalogue = [&](int engines, Rules chosen) {
        const QStringList rules{u"google"_s, u"microsoft"_s, u"yandex"_s, u"baidu"_s, u""_s};
        for (int i = 0; i < engines; ++i) {
            writeEngineFile(u"Engine %1"_s.arg(i, 4, 10, QLatin1Char('0')),
                            QString(),
                            uint(30 + i % 7),
                            uint(2300 - i % 5),
                            uint(35 + i % 3),
                            i,
                            50,
                            QString(),
                            rules.at(engines == 3 ? i : i % rules.size()));
        }
        window.refreshEngineLists();
        currentEngine.limitTitle = 30;
        currentEngine.limitText = 2300;
        currentEngine.limitURL = 35;
        currentEngine.textLineBreak = 50;
        currentEngine.rules = rulesIdentifier(chosen);
    };
    useCatalogue(3, Rules::Yandex);
    for (const int length : {80, 2300})
        results.push_back(
            measure(window, u"keystroke_rules_yandex_%1"_s.arg(length), defaultTemplate, length));
    useCatalogue(3, Rules::Google);
    for (const int length : {80, 2300})
        results.push_back(
            measure(window, u"keystroke_rules_google_%1"_s.arg(length), defaultTemplate, length));
    // A keystroke in title 15 of a full responsive search ad, the template showing three titles
    // and two texts.
    const QString rsaTemplate = u"<div>%URL%<br>%TITLE%%TITLE2%%TITLE3%<br>%TEXT%%TEXT2%</div>"_s;
    results.push_back(
        measure(window, u"keystroke_rsa_15"_s, rsaTemplate, 25, nullptr, Typed::Title15));
    window.findChild<AssetEditor *>(u"assetEditor"_s)->setAd(AdFields{adTitle, {}, adURL});
    useCatalogue(1000, Rules::Google);
    results.push_back(measure(window, u"keystroke_rules_1000engines_80"_s, defaultTemplate, 80));

    // Spelling in US English, as Options > Spelling turns it on, with the three engines.
    useCatalogue(3, Rules::Google);
    QString problem;
    const QList<DictionaryFile> installed = findDictionaries({u"/usr/share/hunspell"_s});
    // The window's spelling has the user's words too.
    Spelling spelling;
    spelling.userWords().load(userWordsFilePath(), {}, &problem);
    for (const DictionaryFile &file : installed) {
        if (file.language == "en_US"_L1)
            spelling.addDictionary(Dictionary::load(file, {}, &problem));
    }
    QAction *english = window.findChild<QAction *>(u"actionSpelling_en_US"_s);
    if (!spelling.isOn() || !english) {
        std::fprintf(stderr, "keystroke_spelling_80: en_US is not installed\n");
        return 1;
    }
    english->setChecked(true);
    results.push_back(measure(window, u"keystroke_spelling_80"_s, defaultTemplate, 80, &spelling));

    QTextStream out(stdout);
    out << "template sizes: default " << defaultTemplate.size() << ", 10k " << bigPage.size()
        << " characters; " << measuredPairs << " pairs per case\n";
    for (const Result &result : results) {
        out << result.name << ": keystroke " << QString::number(result.ours / 1e6, 'f', 3)
            << " ms, floor " << QString::number(result.floor / 1e6, 'f', 3) << " ms\n";
    }
    // A keystroke with engine rules costs some tenths of a millisecond; a frame at 60 Hz is
    // 16.7 ms. Its target leaves room for rules written once and plainly.
    for (const Result &result : results) {
        const char *target = result.name.contains("spelling"_L1) ? "1.5"
                             : result.name.startsWith("keystroke_rules_"_L1)
                                     || result.name == "keystroke_rsa_15"_L1
                                 ? "1.25"
                                 : "1.10";
        out << "RATIO " << result.name << ' ' << QString::number(result.ratio, 'f', 2)
            << " target <= " << target << '\n';
    }
    return 0;
}
