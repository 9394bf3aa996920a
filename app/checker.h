// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QTextStream;

// vellumo-check: checks the ads of copy decks against engine profiles, without a display.
//   vellumo-check [--engines DIR] [--engine NAME]... [--csv OUT] [--spelling LANG[,LANG...]]
//                 FILE...
// Prints "FILE:ROW: ENGINE: FIELD: message" for every count over its limit and every problem
// an engine's rules find (misspelt words too, with --spelling), FIELD naming the title or text
// ("Title 7"), "FILE:ROW: message" for a row that cannot be read, then a summary. The program
// runs it with --probe-dictionary DIC to load a dictionary where a crash of Hunspell harms
// nothing (see SpellingLimits::probeProgram).

enum CheckerStatus {
    CheckerAllFit = 0,       // every ad fits every chosen engine (warnings allowed)
    CheckerSomeDoNotFit = 1, // an ad does not fit an engine, or a row cannot be read
    CheckerCannotCheck = 2,  // a usage error, or a file, profile or output that cannot be used
};

// Runs the checker on `arguments` (the program's name first), writing findings and the summary
// to `out` and errors to `err`. Without --engines, the engines are those of the engines folder
// as the program sets it (App::setApplicationDirectory). Returns the exit status.
int runChecker(const QStringList &arguments, QTextStream &out, QTextStream &err);
