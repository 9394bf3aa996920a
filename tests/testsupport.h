// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
#include "ads/rules.h"
#include "engines/enginefile.h"
#include "engines/filewriter.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

namespace TestSupport {

// The two HTML openings that every rich-text caption and counter label of the program starts
// with, written out here independently of the program's own strings.
inline const QString richTextPreamble = QStringLiteral(
    "<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" white-space: "
    "pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
    "text-decoration:none;\">");
inline const QString labelParagraph = QStringLiteral(
    "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; "
    "-qt-block-indent:0; text-indent:0px;\">");

// Points the settings store at a fresh temporary folder and records the test executable's own
// folder as the application directory, so no test touches the user's settings or engines.
// Call from initTestCase().
void isolate();

// The engines folder of the test executable, emptied (created when missing).
QString resetEnginesFolder();

// Writes `bytes` as the file at `path`, replacing it.
void writeFile(const QString &path, const QByteArray &bytes);

// `ads` without the columns an import keeps besides the ad's fields (counts, IDs), for tests
// of what goes round a copy deck.
QList<AdFields> withoutOtherColumns(QList<AdFields> ads);

// Writes `bytes` as files/<fileName> below the application directory.
void writeRawFile(const QString &fileName, const QByteArray &bytes);

// The helpers below answer modal widgets; they live in the widget part of the test support
// (modalanswers.cpp) and need a QApplication.

// Runs `answer` on the next modal widget (message box, dialog) as soon as it is shown. The
// answer belongs to the test function and data row that armed it: it gives up, with a warning,
// once that test has ended or cancelPendingAnswers() has run, so an answer whose box never
// came cannot answer a box of a later test.
void onNextModal(std::function<void(QWidget *)> answer);

// Answers the next message box by clicking the button whose text is `buttonText`, and
// stores the box's text in *text when given (the same lifetime as onNextModal).
void answerNextMessageBox(const QString &buttonText, QString *text = nullptr);

// Drops every answer still waiting for its widget and returns how many of them the current
// test armed. Call from a test's cleanup(); comparing the result with 0 fails a test whose
// expected box never came.
int cancelPendingAnswers();

// An engine with these rules and limits, the rest of its profile empty.
EngineProfile engineProfile(const QString &rules, int title = 30, int text = 90, int url = 30);

// `ad` made whole for `rules` with short, clean assets of its own: a blank title 1 or text 1
// filled, as many more titles and texts as the engine needs at least, and a final URL where it
// wants one. The ad's own fields then carry its only findings.
AdFields completeAd(Rules rules, AdFields ad);

// An ad of these titles and texts (an empty one keeps its place), URL, final URL and pins.
AdFields adOf(const QStringList &titles,
              const QStringList &texts,
              const QString &url,
              const QString &finalUrl,
              const QList<int> &titlePins = {},
              const QList<int> &textPins = {});

// A file writer that fails, touching nothing, for every file whose base name `fails` accepts
// ("E1" for the engine file E1.xml), and writes the others as the program does.
FileWriter failingWriter(std::function<bool(const QString &baseName)> fails);

} // namespace TestSupport
