// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/checker.h"

#include "ads/copydeck.h"
#include "ads/spelling.h"
#include "app/globals.h"
#include "engines/catalogue.h"
#include "engines/enginesfolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <utility>

namespace {
// The engines to check against, or an error message.
QList<EngineProfile> chosenEngines(const QStringList &names, QString *error)
{
    const QList<CatalogueEntry> catalogue = readCatalogue();
    QList<const CatalogueEntry *> chosen;
    if (names.isEmpty()) {
        for (const CatalogueEntry &entry : catalogue)
            chosen.append(&entry);
    }
    for (const QString &name : names) {
        const CatalogueEntry *found = nullptr;
        for (const CatalogueEntry &entry : catalogue) {
            if (entry.profile.name == name)
                found = &entry;
        }
        // A name typed in another case still finds its engine when it is the only one.
        for (const CatalogueEntry &entry : catalogue) {
            if (!found && entry.profile.name.compare(name, Qt::CaseInsensitive) == 0)
                found = &entry;
        }
        if (!found) {
            *error = QCoreApplication::translate("Checker", "there is no engine \"%1\" in %2")
                         .arg(name, QDir::toNativeSeparators(enginesFolder()));
            return {};
        }
        if (!chosen.contains(found))
            chosen.append(found);
    }
    if (chosen.isEmpty()) {
        *error = QCoreApplication::translate("Checker", "there are no engine profiles in %1")
                     .arg(QDir::toNativeSeparators(enginesFolder()));
        return {};
    }
    QList<EngineProfile> engines;
    for (const CatalogueEntry *entry : std::as_const(chosen)) {
        if (!entry->isReadable()) {
            *error = QCoreApplication::translate("Checker",
                                                 "the engine profile \"%1\" cannot be read: %2")
                         .arg(entry->profile.name, engineFileProblemText(*entry));
            return {};
        }
        engines.append(entry->profile);
    }
    return engines;
}

// The help's list of the engines that --engine can name.
QString engineListText()
{
    QStringList names;
    const QList<CatalogueEntry> catalogue = readCatalogue();
    for (const CatalogueEntry &entry : catalogue)
        names << entry.profile.name;
    const QString folder = QDir::toNativeSeparators(enginesFolder());
    return names.isEmpty()
               ? QCoreApplication::translate("Checker", "There are no engine profiles in %1.")
                     .arg(folder)
               : QCoreApplication::translate("Checker", "Engines in %1 (names in any case): %2")
                     .arg(folder, names.join(QStringLiteral(", ")));
}

// Loads the dictionaries of `languages` into `spelling` with the user's words, or says why not.
bool loadSpelling(const QStringList &languages, Spelling &spelling, QString *error)
{
    const QList<DictionaryFile> installed = findDictionaries(dictionaryFolders());
    for (const QString &language : languages) {
        const auto found
            = std::find_if(installed.cbegin(), installed.cend(), [&](const DictionaryFile &d) {
                  return d.language == language;
              });
        if (found == installed.cend()) {
            const QStringList names = dictionaryLanguages(installed);
            *error = QCoreApplication::translate("Checker",
                                                 "there is no dictionary \"%1\"; installed are: %2")
                         .arg(language,
                              names.isEmpty() ? QCoreApplication::translate("Checker", "none")
                                              : names.join(QStringLiteral(", ")));
            return false;
        }
        std::unique_ptr<Dictionary> dictionary = Dictionary::load(
            *found, limitsFor(*found, QCoreApplication::applicationFilePath()), error);
        if (!dictionary)
            return false;
        spelling.addDictionary(std::move(dictionary));
    }
    // A user dictionary that cannot be used leaves its words out; spelling goes on.
    QString problem;
    if (!spelling.userWords().load(userWordsFilePath(), {}, &problem))
        *error = problem;
    return true;
}
} // namespace

int runChecker(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const QString program = QStringLiteral("vellumo-check");
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "Checker",
        "Checks the ads of copy decks and the engines' bulk files (CSV, TSV or XLSX with a "
        "header row naming the ads' columns) against engine profiles.\n"
        "Prints FILE:ROW: ENGINE: FIELD: message for every problem, then a summary; FIELD is "
        "Title, Title 2 to Title 15, Text, Text 2 to Text 4, URL, Final URL, or Ad for the ad "
        "as a whole.\n"
        "Exit status: 0 when every ad fits every engine, 1 when some do not (or a row "
        "cannot be read), 2 when a file (one without ads too), a profile or the command line "
        "cannot be used."));
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QCoreApplication::translate("Checker", "Shows this help."));
    const QCommandLineOption versionOption(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("Checker", "Shows the version."));
    const QCommandLineOption enginesOption(
        QStringLiteral("engines"),
        QCoreApplication::translate(
            "Checker",
            "Reads the engine profiles from DIR instead of the folder beside the program."),
        QStringLiteral("DIR"));
    const QCommandLineOption engineOption(
        QStringLiteral("engine"),
        QCoreApplication::translate(
            "Checker", "Checks against the engine NAME only; may be given more than once."),
        QStringLiteral("NAME"));
    const QCommandLineOption csvOption(
        QStringLiteral("csv"),
        QCoreApplication::translate(
            "Checker",
            "Writes every ad, with all its titles and texts and its counts, verdicts and findings "
            "per engine, to the copy deck OUT."),
        QStringLiteral("OUT"));
    const QCommandLineOption spellingOption(
        QStringLiteral("spelling"),
        QCoreApplication::translate("Checker",
                                    "Checks the spelling with the dictionaries LANG (such as "
                                    "en_US,ru_RU); misspelt words are warnings."),
        QStringLiteral("LANG[,LANG...]"));
    // The program's own use: loads a dictionary where a crash of Hunspell harms nothing.
    QCommandLineOption probeOption(QStringLiteral("probe-dictionary"),
                                   QStringLiteral("Loads the dictionary DIC."),
                                   QStringLiteral("DIC"));
    probeOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({helpOption,
                       versionOption,
                       enginesOption,
                       engineOption,
                       csvOption,
                       spellingOption,
                       probeOption});
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("Checker", "A copy deck or bulk file to check."),
        QStringLiteral("FILE..."));

    const auto usageError = [&](const QString &message) {
        err << program << QStringLiteral(": ") << message << Qt::endl
            << QCoreApplication::translate("Checker", "Try \"%1 --help\".").arg(program)
            << Qt::endl;
        return CheckerCannotCheck;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption)) {
        if (parser.isSet(enginesOption) && QFileInfo(parser.value(enginesOption)).isDir())
            setEnginesFolder(QDir(parser.value(enginesOption)).absolutePath());
        out << parser.helpText() << Qt::endl
            << engineListText() << Qt::endl
            << QCoreApplication::translate("Checker",
                                           "Columns read (case and spaces do not matter):")
            << Qt::endl
            << acceptedColumnsText() << Qt::endl;
        out.flush();
        return CheckerAllFit;
    }
    if (parser.isSet(versionOption)) {
        out << program << QLatin1Char(' ') << App::versionString << Qt::endl;
        return CheckerAllFit;
    }
    if (parser.isSet(probeOption))
        return runDictionaryProbe(parser.value(probeOption));
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return usageError(QCoreApplication::translate("Checker", "no copy deck to check"));

    if (parser.isSet(enginesOption)) {
        const QString folder = parser.value(enginesOption);
        if (!QFileInfo(folder).isDir())
            return usageError(
                QCoreApplication::translate("Checker", "the engines folder %1 does not exist")
                    .arg(folder));
        setEnginesFolder(QDir(folder).absolutePath());
    }
    QString error;
    const QList<EngineProfile> engines = chosenEngines(parser.values(engineOption), &error);
    if (engines.isEmpty()) {
        err << program << QStringLiteral(": ") << error << Qt::endl;
        return CheckerCannotCheck;
    }

    Spelling spelling;
    if (parser.isSet(spellingOption)) {
        const QStringList languages
            = parser.value(spellingOption).split(QLatin1Char(','), Qt::SkipEmptyParts);
        QString problem;
        if (!loadSpelling(languages, spelling, &problem))
            return usageError(problem);
        if (!problem.isEmpty())
            err << program << QStringLiteral(": ") << problem << Qt::endl;
    }
    // Without --spelling the user's words change nothing either.
    const Spelling *usedSpelling = parser.isSet(spellingOption) ? &spelling : nullptr;

    std::unique_ptr<CopyDeckWriter> csv;
    if (parser.isSet(csvOption))
        csv = std::make_unique<CopyDeckWriter>(parser.value(csvOption), engines);

    bool cannotCheck = false;
    int ads = 0;
    int fit = 0;
    int withWarnings = 0;
    int notFitting = 0;
    int unreadableRows = 0;
    const QString separator = QStringLiteral(": ");
    // A copy deck may give a line for every ad: the patterns are split once, not read for
    // every line.
    const auto split = [](const QString &pattern) {
        const qsizetype at = pattern.indexOf(QLatin1StringView("%1"));
        return at < 0 ? std::pair(pattern + QLatin1Char(' '), QString())
                      : std::pair(pattern.left(at), pattern.mid(at + 2));
    };
    const auto errorPattern = split(QCoreApplication::translate("Checker", "error: %1"));
    const auto warningPattern = split(QCoreApplication::translate("Checker", "warning: %1"));
    QString line;
    QList<AdCheck> checks;
    checks.reserve(engines.size());
    for (const QString &file : files) {
        const auto checkOne = [&](int row, const AdFields &ad) {
            ++ads;
            checks.clear();
            Verdict worst = Verdict::Fits;
            for (const EngineProfile &engine : engines) {
                checks.append(checkAd(engine, ad, usedSpelling));
                const AdCheck &check = checks.constLast();
                worst = std::max(worst, check.verdict);
                if (check.verdict == Verdict::Fits)
                    continue;
                const QList<Finding> findings = adFindings(check);
                for (const Finding &finding : findings) {
                    const auto &pattern
                        = finding.severity == Severity::Error ? errorPattern : warningPattern;
                    line.truncate(0); // keeps its room for the next line
                    line.append(file)
                        .append(QLatin1Char(':'))
                        .append(QString::number(row))
                        .append(separator)
                        .append(engine.name)
                        .append(separator)
                        .append(fieldName(finding.field, finding.index, FieldNaming::Untranslated))
                        .append(separator)
                        .append(pattern.first)
                        .append(finding.message)
                        .append(pattern.second)
                        .append(QLatin1Char('\n'));
                    out << line;
                }
            }
            worst == Verdict::Fits       ? ++fit
            : worst == Verdict::Warnings ? ++withWarnings
                                         : ++notFitting;
            if (csv)
                csv->add(ad, checks);
        };
        const auto unreadable = [&](const UnreadableRow &bad) {
            ++unreadableRows;
            out << file << QLatin1Char(':') << bad.row << separator
                << QCoreApplication::translate("Checker", "this row cannot be read: %1")
                       .arg(rowProblemText(bad.problem))
                << QLatin1Char('\n');
        };
        const CopyDeckReport report = scanCopyDeckFile(file, checkOne, -1, unreadable);
        // Said beside the findings, not among them: scripts read standard output by line.
        if (report.notAds > 0) {
            out.flush();
            err << program << QStringLiteral(": ") << file << separator
                << QCoreApplication::translate("Checker",
                                               "%n row(s) of the %1 are not ads and were skipped.",
                                               nullptr,
                                               report.notAds)
                       .arg(deckLayoutName(report.layout))
                << Qt::endl;
        }
        if (!report.isReadable()) {
            out.flush();
            err << program << QStringLiteral(": ") << file << separator << cannotReadText(report)
                << Qt::endl;
            cannotCheck = true;
        } else if (!report.hasTitleColumn) {
            out.flush();
            err << program << QStringLiteral(": ") << file << separator << noTitleColumnText(report)
                << Qt::endl;
        }
    }
    // A copy deck that lacks a file's ads would pass for the whole: none is written then.
    if (csv && !cannotCheck && !csv->commit()) {
        out.flush();
        err << program << QStringLiteral(": ")
            << QCoreApplication::translate("Checker", "the copy deck %1 cannot be written")
                   .arg(parser.value(csvOption))
            << Qt::endl;
        cannotCheck = true;
    }

    out << QCoreApplication::translate(
               "Checker",
               "%1 ads checked against %2 engines: %3 fit, %4 fit with warnings, %5 do not fit; "
               "%6 rows cannot be read.")
               .arg(ads)
               .arg(engines.size())
               .arg(fit)
               .arg(withWarnings)
               .arg(notFitting)
               .arg(unreadableRows)
        << Qt::endl;
    if (cannotCheck)
        return CheckerCannotCheck;
    return notFitting > 0 || unreadableRows > 0 ? CheckerSomeDoNotFit : CheckerAllFit;
}
