// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program under a German locale (LANG=de_DE.UTF-8, set for this test by CMake), with the
// built velm_de.qm beside it, speaks German: menus, counters and the engine dialog.
#include "ads/copydeck.h"
#include "app/startup.h"
#include "engines/enginefile.h"
#include "testsupport.h"
#include "ui/engineform.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"
#include "ui/markup.h"

#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

class tst_German : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void programSpeaksGerman();

private:
    QTranslator m_translator;
};

void tst_German::initTestCase()
{
    TestSupport::isolate();
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
    // As at start-up: the locale's translation, found beside the program.
    QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/velm_de.qm"));
    QVERIFY(QFile::copy(QStringLiteral(VELLUMO_BUILD_DIR "/velm_de.qm"),
                        QCoreApplication::applicationDirPath() + QStringLiteral("/velm_de.qm")));
    QVERIFY(loadTranslation(
        m_translator, QLocale::system().name(), QCoreApplication::applicationDirPath()));
    QCoreApplication::installTranslator(&m_translator);
}

void tst_German::programSpeaksGerman()
{
    QVERIFY(writeEngineFile(QStringLiteral("Beispiel"), {}, 30, 90, 30, 0, 10, {}));
    MainWindow window;

    QStringList menus;
    const auto actions = window.menuBar()->actions();
    for (const QAction *action : actions) {
        if (!action->isSeparator())
            menus.append(action->text());
    }
    QCOMPARE(menus,
             QStringList({QStringLiteral("&Datei"),
                          QStringLiteral("&Bearbeiten"),
                          QStringLiteral("&Ansicht"),
                          QStringLiteral("&Optionen"),
                          QStringLiteral("&Hilfe")}));

    // At the first start, spelling follows the system's language.
    const QAction *german = window.findChild<QAction *>(QStringLiteral("actionSpelling_de_DE"));
    QVERIFY(german && german->isChecked());

    const QString counter = window.mainForm->labelText->text();
    QVERIFY2(counter.contains(QStringLiteral("0</span> von 90 Zeichen")), qPrintable(counter));
    QVERIFY2(counter.contains(QStringLiteral("(Zeilenumbruch nach: 10 Zeichen)")),
             qPrintable(counter));
    // The one counter message, its colour filled in, reads as the red label always read.
    QCOMPARE(counterMessage(31, 30),
             TestSupport::richTextPreamble + TestSupport::labelParagraph
                 + QStringLiteral("<span style=\" color:red;\">31</span> von 30 Zeichen</p>"
                                  "</body></html>"));
    // Headers and the checker keep the untranslated names of the fields.
    QCOMPARE(fieldName(AdField::URL), QStringLiteral("URL"));
    QCOMPARE(fieldName(AdField::Title), QStringLiteral("Titel"));
    QCOMPARE(fieldName(AdField::Title, FieldNaming::Untranslated), QStringLiteral("Title"));

    QCOMPARE(window.engineForm->windowTitle(), QStringLiteral("Suchmaschinen-Dialog"));
    QCOMPARE(window.engineForm->pushButtonSave->text(), QStringLiteral("&Speichern"));
    QCOMPARE(window.engineForm->okButton->text(), QStringLiteral("S&chließen"));

    // The ad sheet, in German too.
    const auto buttons = window.findChildren<QPushButton *>(QStringLiteral("pushButtonKeep"));
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(buttons.constFirst()->text(), QStringLiteral("&Behalten"));
    QCOMPARE(verdictText(Verdict::DoesNotFit), QStringLiteral("passt nicht"));
}

QTEST_MAIN(tst_German)
#include "tst_german.moc"
