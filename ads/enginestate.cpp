// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/enginestate.h"

EngineProfile currentEngine;

const QString defaultTemplate = QStringLiteral(
    "<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" white-space: "
    "pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
    "text-decoration:none;\"><p style=\"-qt-paragraph-type:empty; margin-top:0px; "
    "margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; "
    "text-indent:0px;\"></p><h3>Advertisment</h3><br><hr><a href=\"#\">%TITLE%</a><br><a "
    "href=\"#\">%TEXT%</a><br><a href=\"#\">%URL%</a></body></html>");
