// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

namespace TestSupport {

// Points the settings store at a fresh temporary folder and records the test executable's own
// folder as the application directory, so no test touches the user's settings or engines.
// Call from initTestCase().
void isolate();

// The engines folder of the test executable, emptied (created when missing).
QString resetEnginesFolder();

// Writes `bytes` as files/<fileName> below the application directory.
void writeRawFile(const QString &fileName, const QByteArray &bytes);

// Runs `answer` on the next modal widget (message box, dialog) as soon as it is shown.
void onNextModal(std::function<void(QWidget *)> answer);

// Answers the next message box by clicking the button whose text is `buttonText`, and
// stores the box's text in *text when given.
void answerNextMessageBox(const QString &buttonText, QString *text = nullptr);

} // namespace TestSupport
