#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vellumo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed workbooks of fuzz_xlsx into fuzz/corpus/xlsx/: small XLSX files, stored
(not deflated) so that the fuzzer's changes land in the XML, and one deflated."""
import os
import zipfile

REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
PKG = "http://schemas.openxmlformats.org/package/2006/relationships"


def workbook(path, sheets, shared=None, method=zipfile.ZIP_STORED):
    rels = "".join(
        f'<Relationship Id="rId{i}" Type="{REL}/worksheet" Target="worksheets/sheet{i}.xml"/>'
        for i in range(1, len(sheets) + 1))
    listed = "".join(f'<sheet name="{name}" sheetId="{i}" r:id="rId{i}"/>'
                     for i, (name, _) in enumerate(sheets, 1))
    with zipfile.ZipFile(path, "w", method) as z:
        z.writestr("_rels/.rels", f'<Relationships xmlns="{PKG}"><Relationship Id="rId1" '
                   f'Type="{REL}/officeDocument" Target="xl/workbook.xml"/></Relationships>')
        z.writestr("xl/workbook.xml", f'<workbook xmlns="{MAIN}" xmlns:r="{REL}"><sheets>'
                   f'{listed}</sheets></workbook>')
        if shared is not None:
            rels += f'<Relationship Id="rIdS" Type="{REL}/sharedStrings" Target="sharedStrings.xml"/>'
            z.writestr("xl/sharedStrings.xml", f'<sst xmlns="{MAIN}">{shared}</sst>')
        z.writestr("xl/_rels/workbook.xml.rels", f'<Relationships xmlns="{PKG}">{rels}</Relationships>')
        for i, (_, rows) in enumerate(sheets, 1):
            z.writestr(f"xl/worksheets/sheet{i}.xml",
                       f'<worksheet xmlns="{MAIN}"><sheetData>{rows}</sheetData></worksheet>')


out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "xlsx")
os.makedirs(out, exist_ok=True)
direct = ('<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1"><v>42</v></c></row>'
          '<row r="4"><c r="A4" t="s"><v>1</v></c><c r="B4" t="s"><v>2</v></c>'
          '<c r="C4" t="inlineStr"><is><t>Текст</t></is></c></row>'
          '<row r="5"><c r="A5" t="s"><v>3</v></c><c r="B5" t="b"><v>1</v></c>'
          '<c r="D5" t="str"><f>A5</f><v>x</v></c></row>')
strings = ('<si><t>Кампания</t></si><si><t>Заголовок 1</t></si><si><t>Заголовок 2</t></si>'
           '<si><r><t xml:space="preserve">Окна </t></r><r><rPr><b/></rPr><t>дёшево</t></r>'
           '<rPh sb="0" eb="1"><t>x</t></rPh></si>')
workbook(os.path.join(out, "direct.xlsx"), [("Настройки", '<row><c><v>1</v></c></row>'),
                                            ("Тексты", direct)], strings)
workbook(os.path.join(out, "deflated.xlsx"), [("Sheet1", direct)], strings, zipfile.ZIP_DEFLATED)
workbook(os.path.join(out, "noreferences.xlsx"),
         [("Sheet1", '<row><c t="inlineStr"><is><t>a</t></is></c><c><v>2</v></c></row>'
                     '<row><c r="XFD2"><v>3</v></c></row>')])
