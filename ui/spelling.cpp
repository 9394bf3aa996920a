// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's spelling: the dictionaries chosen under Options > Spelling, misspelt words
// underlined in the fields, their menu of suggestions and "Add to Dictionary".
#include "ads/spelling.h"
#include "ads/enginestate.h"
#include "app/globals.h"
#include "ui/adsheetmodel.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextCharFormat>
#include <QTimer>

namespace {
const QString languagesKey = QStringLiteral("spellingLanguages");

// The word of `text` around `position`: letters, with an inner "-" or apostrophe.
std::pair<qsizetype, qsizetype> wordAt(const QString &text, qsizetype position)
{
    std::pair<qsizetype, qsizetype> found{-1, 0};
    forEachSpelledWord(text, [&](qsizetype start, qsizetype length) {
        if (start <= position && position <= start + length)
            found = {start, length};
    });
    return found;
}

// "English (United States) - en_US"
QString dictionaryTitle(const QString &language)
{
    const QLocale locale(language);
    if (locale.language() == QLocale::C)
        return language;
    return MainWindow::tr("%1 (%2) - %3")
        .arg(QLocale::languageToString(locale.language()),
             QLocale::territoryToString(locale.territory()),
             language);
}
} // namespace

void MainWindow::createSpelling()
{
    m_spelling = std::make_unique<Spelling>();
    m_spellingWatcher = new QFileSystemWatcher(this);
    connect(m_spellingWatcher,
            &QFileSystemWatcher::fileChanged,
            this,
            &MainWindow::dictionaryFileChanged);
    m_typingTimer = new QTimer(this);
    m_typingTimer->setSingleShot(true);
    m_typingTimer->setInterval(700);
    connect(m_typingTimer, &QTimer::timeout, this, &MainWindow::endWordInProgress);

    QStringList problems;
    QString problem;
    if (!m_spelling->userWords().load(userWordsFilePath(), {}, &problem))
        problems << problem;

    const struct
    {
        QLineEdit *edit;
        void (MainWindow::*edited)(const QString &);
    } fields[] = {{mainForm->lineEditTitle, &MainWindow::lineEditTitle_textEdited},
                  {mainForm->lineEditText, &MainWindow::lineEditText_textEdited},
                  {mainForm->lineEditURL, &MainWindow::lineEditURL_textEdited}};
    for (const auto &field : fields) {
        field.edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field.edit, &QLineEdit::textEdited, this, field.edited);
        QLineEdit *edit = field.edit;
        connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint &at) {
            showFieldMenu(edit, at);
        });
    }

    m_spellingMenu = optionsMenu->addMenu(tr("&Spelling"));
    m_spellingMenu->setObjectName(QStringLiteral("menuSpelling"));
    connect(m_spellingMenu, &QMenu::aboutToShow, this, &MainWindow::fillSpellingMenu);

    // At first start, the system's language when a dictionary for it is installed.
    QSettings settings(App::organizationName, App::applicationName);
    const QStringList chosen
        = settings.contains(languagesKey)
              ? settings.value(languagesKey).toStringList()
              : QStringList{dictionaryForLocale(findDictionaries(dictionaryFolders()),
                                                QLocale::system().name())};
    problems << useDictionaries(chosen);
    fillSpellingMenu();
    problems.removeAll(QString());
    if (!problems.isEmpty()) {
        const QString text = problems.join(QStringLiteral("\n\n"));
        QTimer::singleShot(
            0, this, [this, text] { QMessageBox::warning(this, tr("Warning"), text); });
    }
}

void MainWindow::fillSpellingMenu()
{
    m_spellingMenu->clear();
    const QStringList used = m_spelling->languages();
    const QList<DictionaryFile> installed = findDictionaries(dictionaryFolders());
    for (const DictionaryFile &dictionary : installed) {
        QAction *action = m_spellingMenu->addAction(dictionaryTitle(dictionary.language));
        action->setObjectName(QStringLiteral("actionSpelling_") + dictionary.language);
        action->setCheckable(true);
        action->setChecked(used.contains(dictionary.language));
        const QString language = dictionary.language;
        connect(action, &QAction::toggled, this, [this, language](bool on) {
            QStringList languages = m_spelling->languages();
            languages.removeAll(language);
            if (on)
                languages.append(language);
            chooseSpellingLanguages(languages);
        });
    }
    if (installed.isEmpty())
        m_spellingMenu->addAction(tr("No dictionary is installed"))->setEnabled(false);
    m_spellingMenu->addSeparator();
    QAction *none = m_spellingMenu->addAction(tr("&No Spelling"));
    none->setObjectName(QStringLiteral("actionSpellingNone"));
    none->setEnabled(!used.isEmpty());
    connect(none, &QAction::triggered, this, [this] { chooseSpellingLanguages({}); });
}

QStringList MainWindow::useDictionaries(const QStringList &languages)
{
    QStringList problems;
    const QList<DictionaryFile> installed = findDictionaries(dictionaryFolders());
    for (const QString &used : m_spelling->languages()) {
        if (!languages.contains(used))
            m_spelling->removeDictionary(used);
    }
    for (const QString &language : languages) {
        if (language.isEmpty() || m_spelling->languages().contains(language))
            continue;
        const auto found
            = std::find_if(installed.cbegin(), installed.cend(), [&](const DictionaryFile &d) {
                  return d.language == language;
              });
        if (found == installed.cend()) {
            problems << tr("The dictionary %1 is not installed any more.").arg(language);
            continue;
        }
        QString problem;
        // Hunspell runs first in the checker beside the program.
        const QString probe
            = QCoreApplication::applicationDirPath() + QStringLiteral("/vellumo-check");
        std::unique_ptr<Dictionary> dictionary
            = Dictionary::load(*found, limitsFor(*found, probe), &problem);
        if (dictionary)
            m_spelling->addDictionary(std::move(dictionary));
        else
            problems << problem;
    }
    // A dictionary file that goes away turns its spelling off.
    if (!m_spellingWatcher->files().isEmpty())
        m_spellingWatcher->removePaths(m_spellingWatcher->files());
    for (const DictionaryFile &file : m_spelling->files())
        m_spellingWatcher->addPaths({file.dicPath, file.affPath});
    QSettings(App::organizationName, App::applicationName)
        .setValue(languagesKey, m_spelling->languages());
    if (m_sheetModel)
        m_sheetModel->setSpelling(m_spelling.get());
    return problems;
}

void MainWindow::chooseSpellingLanguages(const QStringList &languages)
{
    const QStringList problems = useDictionaries(languages);
    spellingChanged();
    if (!problems.isEmpty())
        QMessageBox::warning(this, tr("Warning"), problems.join(QStringLiteral("\n\n")));
}

void MainWindow::dictionaryFileChanged(const QString &path)
{
    if (QFileInfo::exists(path)) {
        // Replaced, as an update does: the words in use stay as they were read, and the new
        // file is watched in place of the old.
        if (!m_spellingWatcher->files().contains(path))
            m_spellingWatcher->addPath(path);
        return;
    }
    for (const DictionaryFile &file : m_spelling->files()) {
        if (file.dicPath != path && file.affPath != path)
            continue;
        QStringList languages = m_spelling->languages();
        languages.removeAll(file.language);
        useDictionaries(languages);
        spellingChanged();
        const QString text = tr("The dictionary %1 is gone (%2): its spelling is off.")
                                 .arg(file.language, QDir::toNativeSeparators(path));
        statusBar()->showMessage(text);
        QTimer::singleShot(
            0, this, [this, text] { QMessageBox::warning(this, tr("Warning"), text); });
        return;
    }
}

// Everything that shows spelling is worked out again: the fields' marks and problems, the
// sheet's verdicts.
void MainWindow::spellingChanged()
{
    if (m_sheetModel)
        m_sheetModel->setSpelling(m_spelling.get());
    // The menu's entries as they stand, without rebuilding it under an entry being toggled.
    const QStringList used = m_spelling->languages();
    const QList<QAction *> entries = m_spellingMenu->actions();
    for (QAction *entry : entries) {
        const QString name = entry->objectName();
        if (name == QStringLiteral("actionSpellingNone"))
            entry->setEnabled(!used.isEmpty());
        else if (entry->isCheckable()) {
            const QSignalBlocker quiet(entry);
            entry->setChecked(used.contains(name.section(u'_', 1)));
        }
    }
    lineEditTitle_textChanged(QString());
    lineEditText_textChanged(QString());
    lineEditURL_textChanged(QString());
}

// While a word is typed it is not judged: its suggestions would cost a tenth of a second on
// every keystroke, and a word half typed is no mistake.
void MainWindow::startWordInProgress(QLineEdit *edit, AdField field)
{
    const QString text = edit->text();
    const auto [start, length] = wordAt(text, edit->cursorPosition());
    m_typingField = field;
    m_typingWord = start < 0 ? QString() : text.mid(start, length);
    m_typingTimer->start();
}

void MainWindow::lineEditTitle_textEdited(const QString &)
{
    startWordInProgress(mainForm->lineEditTitle, AdField::Title);
}

void MainWindow::lineEditText_textEdited(const QString &)
{
    startWordInProgress(mainForm->lineEditText, AdField::Text);
}

void MainWindow::lineEditURL_textEdited(const QString &)
{
    startWordInProgress(mainForm->lineEditURL, AdField::URL);
}

void MainWindow::endWordInProgress()
{
    m_typingWord.clear();
    checkCurrentAd();
}

void MainWindow::markMisspeltWords()
{
    if (!m_spelling)
        return;
    const WordInProgress typing{m_typingField, m_typingWord};
    QLineEdit *const edits[]
        = {mainForm->lineEditTitle, mainForm->lineEditText, mainForm->lineEditURL};
    for (int i = 0; i < 3; ++i) {
        QLineEdit *edit = edits[i];
        const QList<Spelling::Misspelt> marks = m_spelling->misspelt(
            rulesNamed(currentEngine.rules), AdField(i), edit->text(), &typing);
        QList<std::pair<qsizetype, qsizetype>> ranges;
        for (const Spelling::Misspelt &m : marks)
            ranges.append({m.start, m.length});
        // The marks stand where they were set; text that moves under them needs them again.
        if (ranges == m_marks[i] && (ranges.isEmpty() || edit->text() == m_markedTexts[i]))
            continue;
        m_marks[i] = ranges;
        m_markedTexts[i] = edit->text();
        // A line edit draws the formats of an input method's event, placed from its cursor;
        // an event without text changes neither the text, nor its undo, nor the cursor.
        QTextCharFormat wavy;
        wavy.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
        wavy.setUnderlineColor(Qt::red);
        QList<QInputMethodEvent::Attribute> attributes;
        const int cursor = edit->cursorPosition();
        for (const auto &[start, length] : std::as_const(ranges))
            attributes.append(
                {QInputMethodEvent::TextFormat, int(start) - cursor, int(length), wavy});
        QInputMethodEvent event(QString(), attributes);
        QCoreApplication::sendEvent(edit, &event);
    }
}

void MainWindow::addToDictionary(const QString &word)
{
    QString problem;
    if (!m_spelling->addUserWord(word, &problem)) {
        QMessageBox::warning(this, tr("Warning"), problem);
        return;
    }
    statusBar()->showMessage(tr("\"%1\" is in your dictionary now.").arg(word));
    spellingChanged();
}

void MainWindow::showFieldMenu(QLineEdit *edit, const QPoint &at)
{
    QMenu *menu = edit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName(QStringLiteral("menuField"));
    const QString text = edit->text();
    const int field = edit == mainForm->lineEditTitle ? 0 : edit == mainForm->lineEditText ? 1 : 2;
    const qsizetype position = edit->cursorPositionAt(at);
    QList<QAction *> offered;
    for (const auto &[start, length] : std::as_const(m_marks[field])) {
        if (position < start || position > start + length || text != m_markedTexts[field])
            continue;
        const QString word = text.mid(start, length);
        const QStringList suggestions = m_spelling->suggestions(word);
        for (const QString &suggestion : suggestions) {
            QAction *replace = new QAction(suggestion, menu);
            // Through the selection, so that undo takes the replacement back.
            connect(replace, &QAction::triggered, edit, [edit, s = start, l = length, suggestion] {
                edit->setSelection(int(s), int(l));
                edit->insert(suggestion);
            });
            offered << replace;
        }
        if (suggestions.isEmpty()) {
            QAction *nothing = new QAction(tr("No suggestions"), menu);
            nothing->setEnabled(false);
            offered << nothing;
        }
        QAction *add = new QAction(tr("Add to Dictionary"), menu);
        add->setObjectName(QStringLiteral("actionAddToDictionary"));
        connect(add, &QAction::triggered, this, [this, word] { addToDictionary(word); });
        offered << add;
        break;
    }
    // A word in capitals, which the capitals checks flag: a brand or an abbreviation.
    if (offered.isEmpty()) {
        const auto [start, length] = wordAt(text, position);
        const QString word = start < 0 ? QString() : text.mid(start, length);
        if (word.size() >= 2 && word == word.toUpper() && word != word.toLower()
            && !m_spelling->userWords().contains(word)) {
            QAction *add = new QAction(tr("Add \"%1\" to Dictionary").arg(word), menu);
            add->setObjectName(QStringLiteral("actionAddToDictionary"));
            connect(add, &QAction::triggered, this, [this, word] { addToDictionary(word); });
            offered << add;
        }
    }
    if (!offered.isEmpty()) {
        QAction *first = menu->actions().value(0);
        menu->insertActions(first, offered);
        menu->insertSeparator(first);
    }
    menu->popup(edit->mapToGlobal(at));
}
