<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AssetEditor</name>
    <message>
        <source>Title %1</source>
        <translation>Titel %1</translation>
    </message>
    <message>
        <source>Title %1 (not used)</source>
        <translation>Titel %1 (nicht verwendet)</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Text %1 (not used)</source>
        <translation>Text %1 (nicht verwendet)</translation>
    </message>
    <message>
        <source>The chosen engine does not take it.</source>
        <translation>Die gewählte Suchmaschine nimmt ihn nicht an.</translation>
    </message>
    <message>
        <source>Not pinned</source>
        <translation>Nicht fixiert</translation>
    </message>
    <message>
        <source>Position 1</source>
        <translation>Position 1</translation>
    </message>
    <message>
        <source>Position 2</source>
        <translation>Position 2</translation>
    </message>
    <message>
        <source>Position 3</source>
        <translation>Position 3</translation>
    </message>
    <message>
        <source>Shown only in this position</source>
        <translation>Nur an dieser Position gezeigt</translation>
    </message>
    <message>
        <source>the form&apos;s Title</source>
        <translation>der Titel im Formular</translation>
    </message>
    <message>
        <source>the form&apos;s Text</source>
        <translation>der Text im Formular</translation>
    </message>
    <message>
        <source>Add T&amp;itle</source>
        <translation>T&amp;itel hinzufügen</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Add a title (Ctrl+T). In a title, Alt+Up and Alt+Down move it, Alt+Delete removes it.</source>
        <translation>Einen Titel hinzufügen (Strg+T). In einem Titel verschieben Alt+Hoch und Alt+Runter ihn, Alt+Entf entfernt ihn.</translation>
    </message>
    <message>
        <source>Add Te&amp;xt</source>
        <translation>Te&amp;xt hinzufügen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+T</source>
        <translation>Ctrl+Shift+T</translation>
    </message>
    <message>
        <source>Add a text (Ctrl+Shift+T). In a text, Alt+Up and Alt+Down move it, Alt+Delete removes it.</source>
        <translation>Einen Text hinzufügen (Strg+Umschalt+T). In einem Text verschieben Alt+Hoch und Alt+Runter ihn, Alt+Entf entfernt ihn.</translation>
    </message>
    <message>
        <source>Final URL</source>
        <translation>Ziel-URL</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>Alt+PgUp</source>
        <translation>Alt+PgUp</translation>
    </message>
    <message>
        <source>The previous combination (Alt+PgUp)</source>
        <translation>Die vorige Kombination (Alt+Bild auf)</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>Alt+PgDown</source>
        <translation>Alt+PgDown</translation>
    </message>
    <message>
        <source>The next combination (Alt+PgDown)</source>
        <translation>Die nächste Kombination (Alt+Bild ab)</translation>
    </message>
</context>
<context>
    <name>Checker</name>
    <message>
        <source>there is no engine &quot;%1&quot; in %2</source>
        <translation>es gibt keine Suchmaschine „%1“ in %2</translation>
    </message>
    <message>
        <source>there are no engine profiles in %1</source>
        <translation>in %1 gibt es keine Suchmaschinen-Profile</translation>
    </message>
    <message>
        <source>the engine profile &quot;%1&quot; cannot be read: %2</source>
        <translation>das Suchmaschinen-Profil „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version.</translation>
    </message>
    <message>
        <source>Reads the engine profiles from DIR instead of the folder beside the program.</source>
        <translation>Liest die Suchmaschinen-Profile aus DIR statt aus dem Ordner neben dem Programm.</translation>
    </message>
    <message>
        <source>Checks against the engine NAME only; may be given more than once.</source>
        <translation>Prüft nur gegen die Suchmaschine NAME; darf mehrfach angegeben werden.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot;.</source>
        <translation>Siehe „%1 --help“.</translation>
    </message>
    <message>
        <source>no copy deck to check</source>
        <translation>keine Anzeigentabelle zu prüfen</translation>
    </message>
    <message>
        <source>the engines folder %1 does not exist</source>
        <translation>den Suchmaschinen-Ordner %1 gibt es nicht</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>this row cannot be read: %1</source>
        <translation>diese Zeile kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the copy deck %1 cannot be written</source>
        <translation>die Anzeigentabelle %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 ads checked against %2 engines: %3 fit, %4 fit with warnings, %5 do not fit; %6 rows cannot be read.</source>
        <translation>%1 Anzeigen gegen %2 Suchmaschinen geprüft: %3 passen, %4 passen mit Warnungen, %5 passen nicht; %6 Zeilen nicht lesbar.</translation>
    </message>
    <message>
        <source>there is no dictionary &quot;%1&quot;; installed are: %2</source>
        <translation>es gibt kein Wörterbuch „%1“; installiert sind: %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>Checks the spelling with the dictionaries LANG (such as en_US,ru_RU); misspelt words are warnings.</source>
        <translation>Prüft die Rechtschreibung mit den Wörterbüchern LANG (etwa en_US,ru_RU); falsch geschriebene Wörter sind Warnungen.</translation>
    </message>
    <message>
        <source>A copy deck or bulk file to check.</source>
        <translation>Eine zu prüfende Anzeigentabelle oder Massendatei.</translation>
    </message>
    <message>
        <source>Columns read (case and spaces do not matter):</source>
        <translation>Gelesene Spalten (Groß- und Kleinschreibung und Leerzeichen sind gleich):</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the %1 are not ads and were skipped.</source>
        <translation>
            <numerusform>%n Zeile der %1 ist keine Anzeige und wurde übersprungen.</numerusform>
            <numerusform>%n Zeilen der %1 sind keine Anzeigen und wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no engine profiles in %1.</source>
        <translation>In %1 gibt es keine Suchmaschinen-Profile.</translation>
    </message>
    <message>
        <source>Engines in %1 (names in any case): %2</source>
        <translation>Suchmaschinen in %1 (Namen in beliebiger Schreibung): %2</translation>
    </message>
    <message>
        <source>Writes every ad, with all its titles and texts and its counts, verdicts and findings per engine, to the copy deck OUT.</source>
        <translation>Schreibt jede Anzeige mit allen ihren Titeln und Texten und ihren Zählungen, Urteilen und Befunden je Suchmaschine in die Anzeigentabelle OUT.</translation>
    </message>
    <message>
        <source>Checks the ads of copy decks and the engines&apos; bulk files (CSV, TSV or XLSX with a header row naming the ads&apos; columns) against engine profiles.
Prints FILE:ROW: ENGINE: FIELD: message for every problem, then a summary; FIELD is Title, Title 2 to Title 15, Text, Text 2 to Text 4, URL, Final URL, or Ad for the ad as a whole.
Exit status: 0 when every ad fits every engine, 1 when some do not (or a row cannot be read), 2 when a file (one without ads too), a profile or the command line cannot be used.</source>
        <translation>Prüft die Anzeigen von Anzeigentabellen und den Massendateien der Suchmaschinen (CSV, TSV oder XLSX mit einer Kopfzeile, die die Spalten der Anzeigen benennt) gegen Suchmaschinen-Profile.
Gibt DATEI:ZEILE: SUCHMASCHINE: FELD: Meldung für jedes Problem aus, dann eine Zusammenfassung; FELD ist Title, Title 2 bis Title 15, Text, Text 2 bis Text 4, URL, Final URL oder Ad für die Anzeige als Ganzes.
Exit-Status: 0, wenn jede Anzeige zu jeder Suchmaschine passt, 1, wenn einige nicht passen (oder eine Zeile nicht gelesen werden kann), 2, wenn eine Datei (auch eine ohne Anzeigen), ein Profil oder die Befehlszeile nicht verwendet werden kann.</translation>
    </message>
</context>
<context>
    <name>EngineForm</name>
    <message>
        <source>Engine Dialog</source>
        <translation>Suchmaschinen-Dialog</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#000000;&quot;&gt;Engines&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#000000;&quot;&gt;Suchmaschinen&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Position&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Position&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#000000;&quot;&gt;Template&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#000000;&quot;&gt;Vorlage&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#000000;&quot;&gt;Name&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#000000;&quot;&gt;Name&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Symbol&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Symbol&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Key Limit</source>
        <translation>Grenzwerte</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;URL Limit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;URL-Grenze&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Title Limit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Titel-Grenze&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Text Limit&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Text-Grenze&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Line Break&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Zeilenumbruch&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source> Chars</source>
        <translation> Zeichen</translation>
    </message>
    <message>
        <source>at </source>
        <translation>nach </translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Counting Rules&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Zählregeln&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Plain (every character)</source>
        <translation>Einfach (jedes Zeichen)</translation>
    </message>
    <message>
        <source>Google Ads</source>
        <translation>Google Ads</translation>
    </message>
    <message>
        <source>Microsoft Advertising</source>
        <translation>Microsoft Advertising</translation>
    </message>
    <message>
        <source>Yandex Direct</source>
        <translation>Yandex Direct</translation>
    </message>
    <message>
        <source>Baidu (third-party sources)</source>
        <translation>Baidu (Quellen Dritter)</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Advertisment Preview</source>
        <translation>Anzeigenvorschau</translation>
    </message>
    <message>
        <source>Direct Preview (slow)</source>
        <translation>Direkte Vorschau (langsam)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Select a Engine&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Suchmaschine wählen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Advertisment</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Title&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Titel&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Text&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;Text&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;URL&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;URL&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Ctrl+X</source>
        <translation>Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the current selection&apos;s contents to the clipboard</source>
        <translation>Die aktuelle Auswahl ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the current selection&apos;s contents to the clipboard</source>
        <translation>Die aktuelle Auswahl in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Paste the clipboard&apos;s contents into the current selection</source>
        <translation>Den Inhalt der Zwischenablage an der aktuellen Auswahl einfügen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Show the application&apos;s About box</source>
        <translation>Informationen über das Programm anzeigen</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>&amp;Konfigurieren</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Configure the Engine&apos;s here</source>
        <translation>Hier die Suchmaschinen einrichten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Vellumo - %1&lt;br&gt;&lt;br&gt;Design ads for your favorite search engine.&lt;br&gt;&lt;br&gt;Copyright (C) 2026 The Vellumo developers&lt;br&gt;&lt;br&gt; </source>
        <translation>Vellumo - %1&lt;br&gt;&lt;br&gt;Gestalten Sie Anzeigen für Ihre Lieblingssuchmaschine.&lt;br&gt;&lt;br&gt;Copyright (C) 2026 The Vellumo developers&lt;br&gt;&lt;br&gt; </translation>
    </message>
    <message>
        <source>(Newline disabled)</source>
        <translation>(Zeilenumbruch aus)</translation>
    </message>
    <message>
        <source>(Newline after: %i chars)</source>
        <translation>(Zeilenumbruch nach: %i Zeichen)</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:%1;&quot;&gt;%2&lt;/span&gt; of %3 chars&lt;/p&gt;%4&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body style=&quot; white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; text-decoration:none;&quot;&gt;&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:%1;&quot;&gt;%2&lt;/span&gt; von %3 Zeichen&lt;/p&gt;%4&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Are you sure?
Remove Engine: %1</source>
        <translation>Sind Sie sicher?
Suchmaschine entfernen: %1</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>The engine &quot;%1&quot; could not be removed:
%2</source>
        <translation>Die Suchmaschine „%1“ konnte nicht entfernt werden:
%2</translation>
    </message>
    <message>
        <source>Please enter a name..</source>
        <translation>Bitte geben Sie einen Namen ein..</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used for an engine file: it must not be &quot;.&quot; or &quot;..&quot; nor contain / \ : * ? &quot; &lt; &gt; | or control characters.</source>
        <translation>Der Name „%1“ kann nicht für eine Suchmaschinen-Datei verwendet werden: Er darf nicht „.“ oder „..“ sein und weder / \ : * ? &quot; &lt; &gt; | noch Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The engine &quot;%1&quot; could not be saved: its file could not be written.
No engine file has been changed.</source>
        <translation>Die Suchmaschine „%1“ konnte nicht gespeichert werden: Ihre Datei ließ sich nicht schreiben.
Keine Suchmaschinen-Datei wurde verändert.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Please select a item first..</source>
        <translation>Bitte wählen Sie zuerst einen Eintrag aus..</translation>
    </message>
    <message>
        <source>An engine named &quot;%1&quot; already exists.
Replace it?</source>
        <translation>Eine Suchmaschine namens „%1“ gibt es bereits.
Ersetzen?</translation>
    </message>
    <message>
        <source>Please select a engine..</source>
        <translation>Bitte wählen Sie eine Suchmaschine aus..</translation>
    </message>
    <message>
        <source>The engine &quot;%1&quot; could not be moved: the file of &quot;%2&quot; could not be written.
The engine files were left as they were.</source>
        <translation>Die Suchmaschine „%1“ konnte nicht verschoben werden: Die Datei von „%2“ ließ sich nicht schreiben.
Die Suchmaschinen-Dateien blieben unverändert.</translation>
    </message>
    <message>
        <source>The engine &quot;%1&quot; could not be moved: its file could not be written.
The engine files were left as they were.</source>
        <translation>Die Suchmaschine „%1“ konnte nicht verschoben werden: Ihre Datei ließ sich nicht schreiben.
Die Suchmaschinen-Dateien blieben unverändert.</translation>
    </message>
    <message>
        <source>The engine &quot;%1&quot; could not be moved: its file could not be written, and &quot;%2&quot; could not be put back.
Both engines are still there but now share one position.</source>
        <translation>Die Suchmaschine „%1“ konnte nicht verschoben werden: Ihre Datei ließ sich nicht schreiben, und „%2“ konnte nicht zurückgesetzt werden.
Beide Suchmaschinen sind noch da, teilen sich aber eine Position.</translation>
    </message>
    <message>
        <source>Choose a Symbol</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg)</source>
        <translation>Bilder (*.png *.xpm *.jpg)</translation>
    </message>
    <message>
        <source>Wrong Image Format, please use a PNG.</source>
        <translation>Falsches Bildformat, bitte verwenden Sie ein PNG.</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>die Datei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>the file is larger than %1 KiB</source>
        <translation>die Datei ist größer als %1 KiB</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1, column %2)</source>
        <translation>sie ist kein wohlgeformtes XML (Zeile %1, Spalte %2)</translation>
    </message>
    <message>
        <source>it declares XML entities</source>
        <translation>sie deklariert XML-Entitäten</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>ihre Elemente sind tiefer als %1 Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>The file of the engine &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Datei der Suchmaschine &quot;%1&quot; kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The engine profile %1 cannot be copied into %2.</source>
        <translation>Das Suchmaschinenprofil %1 kann nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>The list of the engine profiles offered so far cannot be written to %1: removed profiles may come back at the next start.</source>
        <translation>Die Liste der bisher angebotenen Suchmaschinenprofile kann nicht nach %1 geschrieben werden: Entfernte Profile können beim nächsten Start wiederkommen.</translation>
    </message>
    <message>
        <source>The folder %1 for your engine profiles cannot be created: no engine can be saved.</source>
        <translation>Der Ordner %1 für Ihre Suchmaschinenprofile kann nicht angelegt werden: Es kann keine Suchmaschine gespeichert werden.</translation>
    </message>
    <message>
        <source>its file cannot be read: %1</source>
        <translation>ihre Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>its file could not be written</source>
        <translation>ihre Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>These engines were left as they were and keep their old positions:
%1</source>
        <translation>Diese Suchmaschinen wurden unverändert gelassen und behalten ihre alten Positionen:
%1</translation>
    </message>
    <message>
        <source>The engine &quot;%1&quot; was not moved: the move would have to rewrite these engines, which were left as they were:
%2</source>
        <translation>Die Suchmaschine „%1“ wurde nicht verschoben: Das Verschieben müsste diese Suchmaschinen neu schreiben, die unverändert gelassen wurden:
%2</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used for an engine: a name that starts with &quot;.&quot; names a hidden file, which the engine lists do not show.
No engine file has been changed.</source>
        <translation>Der Name „%1“ kann für keine Suchmaschine verwendet werden: Ein Name, der mit „.“ beginnt, bezeichnet eine versteckte Datei, die die Suchmaschinenlisten nicht zeigen.
Keine Suchmaschinendatei wurde geändert.</translation>
    </message>
    <message>
        <source>Its editors show blank values; saving them would replace the file.</source>
        <translation>Ihre Felder zeigen leere Werte; sie zu speichern würde die Datei ersetzen.</translation>
    </message>
    <message>
        <source>The new engine has not been saved.
Save it?</source>
        <translation>Die neue Suchmaschine wurde nicht gespeichert.
Speichern?</translation>
    </message>
    <message>
        <source>The engine &quot;%1&quot; has changes that have not been saved.
Save them?</source>
        <translation>Die Suchmaschine „%1“ hat Änderungen, die nicht gespeichert wurden.
Speichern?</translation>
    </message>
    <message>
        <source>The template of the engine &quot;%1&quot; is not shown: it nests tables or other elements too deeply, or holds too many table cells, for the preview to lay it out in reasonable time.</source>
        <translation>Die Vorlage der Suchmaschine „%1“ wird nicht angezeigt: Sie verschachtelt Tabellen oder andere Elemente zu tief oder enthält zu viele Tabellenzellen, als dass die Vorschau sie in vertretbarer Zeit darstellen könnte.</translation>
    </message>
    <message>
        <source>The template of &quot;%1&quot; nests tables or other elements too deeply, or holds too many table cells: the preview will not show it.
Save it anyway?</source>
        <translation>Die Vorlage von „%1“ verschachtelt Tabellen oder andere Elemente zu tief oder enthält zu viele Tabellenzellen: Die Vorschau wird sie nicht anzeigen.
Trotzdem speichern?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; repeats a punctuation mark or symbol.</source>
        <translation>„%1“ wiederholt ein Satz- oder Sonderzeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is an emoji.</source>
        <translation>„%1“ ist ein Emoji.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a half-width katakana character.</source>
        <translation>„%1“ ist ein Katakana-Zeichen halber Breite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a bullet or decorative symbol.</source>
        <translation>„%1“ ist ein Aufzählungs- oder Schmuckzeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is decorated with asterisks.</source>
        <translation>„%1“ ist mit Sternchen verziert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; spaces out single letters.</source>
        <translation>„%1“ sperrt einzelne Buchstaben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; says nothing about the offer; say what it is.</source>
        <translation>„%1“ sagt nichts über das Angebot; nennen Sie es.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is written in capitals.</source>
        <translation>„%1“ ist in Großbuchstaben geschrieben.</translation>
    </message>
    <message>
        <source>More than one word is written in capitals: %1.</source>
        <translation>Mehr als ein Wort ist in Großbuchstaben geschrieben: %1.</translation>
    </message>
    <message>
        <source>An exclamation mark in the title (an older rule).</source>
        <translation>Ein Ausrufezeichen im Titel (eine ältere Regel).</translation>
    </message>
    <message>
        <source>More than one exclamation mark in the ad (an older rule).</source>
        <translation>Mehr als ein Ausrufezeichen in der Anzeige (eine ältere Regel).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; looks like a phone number.</source>
        <translation>„%1“ sieht wie eine Telefonnummer aus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; looks like an e-mail address.</source>
        <translation>„%1“ sieht wie eine E-Mail-Adresse aus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no default text.</source>
        <translation>„%1“ hat keinen Standardtext.</translation>
    </message>
    <message>
        <source>A &quot;{&quot; is not closed by &quot;}&quot;.</source>
        <translation>Ein „{“ wird nicht mit „}“ geschlossen.</translation>
    </message>
    <message>
        <source>The path &quot;%1&quot; is longer than 15 characters.</source>
        <translation>Der Pfad „%1“ ist länger als 15 Zeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a third path; a URL has two at most.</source>
        <translation>„%1“ ist ein dritter Pfad; eine URL hat höchstens zwei.</translation>
    </message>
    <message>
        <source>Dynamic text cannot be used here.</source>
        <translation>Dynamischer Text ist hier nicht erlaubt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands three times in a row.</source>
        <translation>„%1“ steht dreimal hintereinander.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a currency sign inside a word.</source>
        <translation>„%1“ hat ein Währungszeichen mitten im Wort.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; looks like markup.</source>
        <translation>„%1“ sieht wie Markup aus.</translation>
    </message>
    <message>
        <source>There is no letter or digit.</source>
        <translation>Es gibt keinen Buchstaben und keine Ziffer.</translation>
    </message>
    <message>
        <source>Domain and paths come to %1 characters, more than 67.</source>
        <translation>Domain und Pfade ergeben %1 Zeichen, mehr als 67.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters.</source>
        <translation>„%1“ ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: more than one exclamation mark in a row.</source>
        <translation>„%1“: mehr als ein Ausrufezeichen hintereinander.</translation>
    </message>
    <message>
        <source>The display link will show &quot;%1&quot;.</source>
        <translation>Der angezeigte Link wird „%1“ lauten.</translation>
    </message>
    <message>
        <source>A &quot;#&quot; has no partner to close the template.</source>
        <translation>Einem „#“ fehlt das zweite, das die Vorlage schließt.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Punctuation marks not counted: %1</source>
        <translation>Nicht gezählte Satzzeichen: %1</translation>
    </message>
    <message>
        <source>Double-width characters, counted twice: %1</source>
        <translation>Zeichen doppelter Breite, doppelt gezählt: %1</translation>
    </message>
    <message>
        <source>Dynamic text counted by what it shows, not as typed: %1</source>
        <translation>Dynamischer Text, gezählt wie angezeigt statt wie getippt: %1</translation>
    </message>
    <message>
        <source>Template # signs not counted: %1</source>
        <translation>Nicht gezählte #-Zeichen der Vorlagen: %1</translation>
    </message>
    <message>
        <source>Not counted: the domain &quot;%1&quot; and the slashes</source>
        <translation>Nicht gezählt: die Domain „%1“ und die Schrägstriche</translation>
    </message>
    <message>
        <source>Spaces in a path are shown as &quot;_&quot;</source>
        <translation>Leerzeichen in einem Pfad werden als „_“ angezeigt</translation>
    </message>
    <message>
        <source>Counted as the display link will show it: %1</source>
        <translation>Gezählt, wie der angezeigte Link lauten wird: %1</translation>
    </message>
    <message>
        <source>Yandex&apos;s API counts %1, leaving out narrow punctuation marks</source>
        <translation>Die API von Yandex zählt %1, ohne schmale Satzzeichen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Fits %1 of %2 engines</source>
        <translation>Passt für %1 von %2 Suchmaschinen</translation>
    </message>
    <message>
        <source>%1 over its limit (%2 of %3)</source>
        <translation>%1 über der Grenze (%2 von %3)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nicht lesbar</translation>
    </message>
    <message>
        <source>%1: fits</source>
        <translation>%1: passt</translation>
    </message>
    <message>
        <source>a quotation mark stands inside a field that is not quoted, or after the end of a quoted one</source>
        <translation>ein Anführungszeichen steht in einem Feld ohne Anführungszeichen oder nach dem Ende eines Felds in Anführungszeichen</translation>
    </message>
    <message>
        <source>a quoted field never ends</source>
        <translation>ein Feld in Anführungszeichen endet nie</translation>
    </message>
    <message>
        <source>a field is longer than %1 bytes</source>
        <translation>ein Feld ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>it has text in more cells than the header names</source>
        <translation>sie hat Text in mehr Zellen, als die Kopfzeile benennt</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>sie enthält Bytes, die kein UTF-8-Text sind</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>die Datei ist zu groß</translation>
    </message>
    <message>
        <source>no header row names a Title, Text or URL column (separated by commas, semicolons or tabs)</source>
        <translation>keine Kopfzeile benennt eine Spalte Title, Text oder URL (getrennt durch Kommas, Semikolons oder Tabulatoren)</translation>
    </message>
    <message>
        <source>fits</source>
        <translation>passt</translation>
    </message>
    <message>
        <source>warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>does not fit</source>
        <translation>passt nicht</translation>
    </message>
    <message>
        <source>counts %1 of %2, %3 too many</source>
        <translation>zählt %1 von %2, %3 zu viel</translation>
    </message>
    <message>
        <source>%1: %2 (of %3)</source>
        <translation>%1: %2 (von %3)</translation>
    </message>
    <message>
        <source>%1: verdict</source>
        <translation>%1: Urteil</translation>
    </message>
    <message>
        <source>%1: findings</source>
        <translation>%1: Befunde</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) cannot be read, the first, row %1, because %2</source>
        <translation>
            <numerusform>%n Zeile kann nicht gelesen werden, Zeile %1, weil %2</numerusform>
            <numerusform>%n Zeilen können nicht gelesen werden, die erste, Zeile %1, weil %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Ad Sheet</source>
        <translation>Anzeigenliste</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>Adds the ad in the form to the sheet</source>
        <translation>Fügt die Anzeige im Formular der Liste hinzu</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Removes the selected ads from the sheet</source>
        <translation>Entfernt die gewählten Anzeigen aus der Liste</translation>
    </message>
    <message>
        <source>&amp;Import Ads...</source>
        <translation>Anzeigen &amp;importieren...</translation>
    </message>
    <message>
        <source>Add the ads of a copy deck (CSV or TSV) to the sheet</source>
        <translation>Die Anzeigen einer Anzeigentabelle (CSV oder TSV) der Liste hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Export Ads...</source>
        <translation>Anzeigen e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Ad Sheet</source>
        <translation>&amp;Anzeigenliste</translation>
    </message>
    <message>
        <source>Show or hide the ad sheet</source>
        <translation>Die Anzeigenliste zeigen oder verbergen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>The ad sheet %1 could not be read whole: %2.

The file is kept as %3; the ads that could be read are in the sheet.</source>
        <translation>Die Anzeigenliste %1 konnte nicht vollständig gelesen werden: %2.

Die Datei bleibt als %3 erhalten; die lesbaren Anzeigen stehen in der Liste.</translation>
    </message>
    <message>
        <source>The ad sheet %1 could not be read whole: %2.

It could not be moved aside either, so the sheet will not be saved until the file is moved or repaired.</source>
        <translation>Die Anzeigenliste %1 konnte nicht vollständig gelesen werden: %2.

Sie ließ sich auch nicht beiseitelegen; die Liste wird daher nicht gespeichert, bis die Datei verschoben oder repariert ist.</translation>
    </message>
    <message>
        <source>The ad sheet is not saved: its file could not be read.</source>
        <translation>Die Anzeigenliste wird nicht gespeichert: Ihre Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The ad sheet could not be saved.</source>
        <translation>Die Anzeigenliste konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The ad sheet could not be saved to %1. The file there is as it was; the sheet stays open and is saved again with the next change.</source>
        <translation>Die Anzeigenliste konnte nicht in %1 gespeichert werden. Die Datei dort ist unverändert; die Liste bleibt offen und wird mit der nächsten Änderung erneut gespeichert.</translation>
    </message>
    <message>
        <source>There is no ad in the form to keep.</source>
        <translation>Im Formular steht keine Anzeige zum Behalten.</translation>
    </message>
    <message>
        <source>Import Ads</source>
        <translation>Anzeigen importieren</translation>
    </message>
    <message numerus="yes">
        <source>%n ad(s) imported.</source>
        <translation>
            <numerusform>%n Anzeige importiert.</numerusform>
            <numerusform>%n Anzeigen importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) could not be read:</source>
        <translation>
            <numerusform>%n Zeile konnte nicht gelesen werden:</numerusform>
            <numerusform>%n Zeilen konnten nicht gelesen werden:</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy deck with counts (*.csv)</source>
        <translation>Anzeigentabelle mit Zählungen (*.csv)</translation>
    </message>
    <message>
        <source>Yandex Direct Commander (*.tsv)</source>
        <translation>Yandex Direct Commander (*.tsv)</translation>
    </message>
    <message>
        <source>Export Ads</source>
        <translation>Anzeigen exportieren</translation>
    </message>
    <message>
        <source>The ads could not be written to %1.</source>
        <translation>Die Anzeigen konnten nicht nach %1 geschrieben werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n ad(s) exported.</source>
        <translation>
            <numerusform>%n Anzeige exportiert.</numerusform>
            <numerusform>%n Anzeigen exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: title %2 of %3, text %4 of %5, URL %6 of %7</source>
        <translation>%1: Titel %2 von %3, Text %4 von %5, URL %6 von %7</translation>
    </message>
    <message>
        <source>Unknown word “%1”</source>
        <translation>Unbekanntes Wort „%1“</translation>
    </message>
    <message>
        <source>Unknown word “%1” (%2?)</source>
        <translation>Unbekanntes Wort „%1“ (%2?)</translation>
    </message>
    <message>
        <source>%1 (%2) - %3</source>
        <translation>%1 (%2) - %3</translation>
    </message>
    <message>
        <source>&amp;Spelling</source>
        <translation>&amp;Rechtschreibung</translation>
    </message>
    <message>
        <source>No dictionary is installed</source>
        <translation>Kein Wörterbuch ist installiert</translation>
    </message>
    <message>
        <source>&amp;No Spelling</source>
        <translation>&amp;Keine Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>The dictionary %1 is not installed any more.</source>
        <translation>Das Wörterbuch %1 ist nicht mehr installiert.</translation>
    </message>
    <message>
        <source>The dictionary %1 is gone (%2): its spelling is off.</source>
        <translation>Das Wörterbuch %1 ist verschwunden (%2): seine Rechtschreibprüfung ist aus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in your dictionary now.</source>
        <translation>„%1“ steht jetzt in Ihrem Wörterbuch.</translation>
    </message>
    <message>
        <source>No suggestions</source>
        <translation>Keine Vorschläge</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Add &quot;%1&quot; to Dictionary</source>
        <translation>„%1“ zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Ctrl+Up</source>
        <translation>Ctrl+Up</translation>
    </message>
    <message>
        <source>Moves the selected ads up; a sorted sheet takes the order shown</source>
        <translation>Schiebt die ausgewählten Anzeigen nach oben; ein sortiertes Blatt übernimmt die gezeigte Reihenfolge</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Ctrl+Down</source>
        <translation>Ctrl+Down</translation>
    </message>
    <message>
        <source>Moves the selected ads down; a sorted sheet takes the order shown</source>
        <translation>Schiebt die ausgewählten Anzeigen nach unten; ein sortiertes Blatt übernimmt die gezeigte Reihenfolge</translation>
    </message>
    <message>
        <source>Remove Ads</source>
        <translation>Anzeigen entfernen</translation>
    </message>
    <message>
        <source>The ad sheet %1 stays locked by another window. The file there is as it was; the sheet stays open and is saved again with the next change.</source>
        <translation>Das Anzeigenblatt %1 bleibt von einem anderen Fenster gesperrt. Die Datei dort ist unverändert; das Blatt bleibt offen und wird mit der nächsten Änderung erneut gespeichert.</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>The form holds the ad of row %1 of the sheet. Update that row, or add the ad as a new row?</source>
        <translation>Das Formular enthält die Anzeige aus Zeile %1 des Blatts. Diese Zeile aktualisieren oder die Anzeige als neue Zeile hinzufügen?</translation>
    </message>
    <message>
        <source>&amp;Update Row</source>
        <translation>Zeile &amp;aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Add New Row</source>
        <translation>&amp;Neue Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Update Ad</source>
        <translation>Anzeige aktualisieren</translation>
    </message>
    <message>
        <source>Keep Ad</source>
        <translation>Anzeige behalten</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n Ad(s)</source>
        <translation>
            <numerusform>%n Anzeige entfernen</numerusform>
            <numerusform>%n Anzeigen entfernen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ad(s) removed.</source>
        <translation>
            <numerusform>%n Anzeige entfernt.</numerusform>
            <numerusform>%n Anzeigen entfernt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n Ad(s)</source>
        <translation>
            <numerusform>%n Anzeige importieren</numerusform>
            <numerusform>%n Anzeigen importieren</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>The ad sheet could not be read whole and is kept as %1.</source>
        <translation>Das Anzeigenblatt konnte nicht vollständig gelesen werden und ist als %1 aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>%n ad(s) changed here were also changed in another window: both versions are kept, this one in place, the other as a new row.</source>
        <translation>
            <numerusform>%n hier geänderte Anzeige wurde auch in einem anderen Fenster geändert: Beide Fassungen bleiben, diese an ihrem Platz, die andere als neue Zeile.</numerusform>
            <numerusform>%n hier geänderte Anzeigen wurden auch in einem anderen Fenster geändert: Beide Fassungen bleiben, diese an ihrem Platz, die anderen als neue Zeilen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ad(s) removed here had been changed in another window and stay.</source>
        <translation>
            <numerusform>%n hier entfernte Anzeige wurde in einem anderen Fenster geändert und bleibt.</numerusform>
            <numerusform>%n hier entfernte Anzeigen wurden in einem anderen Fenster geändert und bleiben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ad(s) changed here had been removed in another window and are back.</source>
        <translation>
            <numerusform>%n hier geänderte Anzeige war in einem anderen Fenster entfernt worden und ist wieder da.</numerusform>
            <numerusform>%n hier geänderte Anzeigen waren in einem anderen Fenster entfernt worden und sind wieder da.</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Ads</source>
        <translation>Anzeigen verschieben</translation>
    </message>
    <message>
        <source>The form holds this ad</source>
        <translation>Das Formular enthält diese Anzeige</translation>
    </message>
    <message>
        <source>The engine &quot;%1&quot; was changed on disk, by another window or program. The dialog keeps what you are editing; Save writes it over the file.</source>
        <translation>Die Suchmaschine &quot;%1&quot; wurde auf der Festplatte geändert, von einem anderen Fenster oder Programm. Der Dialog behält, was Sie bearbeiten; Speichern schreibt es über die Datei.</translation>
    </message>
    <message>
        <source>The file of the engine &quot;%1&quot; was removed on disk, by another window or program. The dialog keeps what you are editing; Save writes it again.</source>
        <translation>Die Datei der Suchmaschine &quot;%1&quot; wurde auf der Festplatte entfernt, von einem anderen Fenster oder Programm. Der Dialog behält, was Sie bearbeiten; Speichern schreibt sie erneut.</translation>
    </message>
    <message>
        <source>Final URL</source>
        <translation>Ziel-URL</translation>
    </message>
    <message>
        <source>Ad</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Title %1</source>
        <translation>Titel %1</translation>
    </message>
    <message>
        <source>Text %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Copy decks and bulk files (*.csv *.tsv *.txt *.xlsx);;All files (*)</source>
        <translation>Anzeigentabellen und Bulk-Dateien (*.csv *.tsv *.txt *.xlsx);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Google Ads Editor (*.csv)</source>
        <translation>Google Ads Editor (*.csv)</translation>
    </message>
    <message>
        <source>Microsoft Advertising bulk file (*.csv)</source>
        <translation>Microsoft Advertising Bulk-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 gibt es schon. Soll die Datei ersetzt werden?</translation>
    </message>
    <message numerus="yes">
        <source>%n title(s) or text(s) had no place in this format and were left out.</source>
        <translation>
            <numerusform>%n Titel oder Text hatte in diesem Format keinen Platz und wurde weggelassen.</numerusform>
            <numerusform>%n Titel oder Texte hatten in diesem Format keinen Platz und wurden weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Write the sheet as a copy deck with every engine&apos;s counts, or for Google Ads Editor, Yandex Direct Commander or Microsoft Advertising</source>
        <translation>Die Liste als Anzeigentabelle mit den Zählungen jeder Suchmaschine oder für Google Ads Editor, Yandex Direct Commander oder Microsoft Advertising schreiben</translation>
    </message>
    <message>
        <source>Needs 1 more title.</source>
        <translation>Braucht noch 1 Titel.</translation>
    </message>
    <message>
        <source>Needs %1 more titles.</source>
        <translation>Braucht noch %1 Titel.</translation>
    </message>
    <message>
        <source>Needs 1 more text.</source>
        <translation>Braucht noch 1 Text.</translation>
    </message>
    <message>
        <source>Needs %1 more texts.</source>
        <translation>Braucht noch %1 Texte.</translation>
    </message>
    <message>
        <source>Has %1 titles; the engine takes %2 at most.</source>
        <translation>Hat %1 Titel; die Suchmaschine nimmt höchstens %2.</translation>
    </message>
    <message>
        <source>Has %1 texts; the engine takes %2 at most.</source>
        <translation>Hat %1 Texte; die Suchmaschine nimmt höchstens %2.</translation>
    </message>
    <message>
        <source>The same as title %1.</source>
        <translation>Gleich wie Titel %1.</translation>
    </message>
    <message>
        <source>The same as text %1.</source>
        <translation>Gleich wie Text %1.</translation>
    </message>
    <message>
        <source>The first title is empty.</source>
        <translation>Der erste Titel ist leer.</translation>
    </message>
    <message>
        <source>The first text is empty.</source>
        <translation>Der erste Text ist leer.</translation>
    </message>
    <message>
        <source>Pinned to position %1, which the engine does not have.</source>
        <translation>An Position %1 angeheftet, die die Suchmaschine nicht hat.</translation>
    </message>
    <message>
        <source>No title can show in position %1: pin one there or leave one unpinned.</source>
        <translation>Kein Titel kann an Position %1 erscheinen: heften Sie einen dort an oder lassen Sie einen frei.</translation>
    </message>
    <message>
        <source>No text can show in position %1: pin one there or leave one unpinned.</source>
        <translation>Kein Text kann an Position %1 erscheinen: heften Sie einen dort an oder lassen Sie einen frei.</translation>
    </message>
    <message>
        <source>There is a path 2 but no path 1.</source>
        <translation>Es gibt einen Pfad 2, aber keinen Pfad 1.</translation>
    </message>
    <message>
        <source>No final URL yet: the engine needs the page the ad leads to.</source>
        <translation>Noch keine Ziel-URL: die Suchmaschine braucht die Seite, zu der die Anzeige führt.</translation>
    </message>
    <message>
        <source>%1: fits, with warnings:</source>
        <translation>%1: passt, mit Warnungen:</translation>
    </message>
    <message>
        <source>The workbook is damaged or incomplete: save it again as XLSX or CSV and import it again.</source>
        <translation>Die Arbeitsmappe ist beschädigt oder unvollständig: Speichern Sie sie erneut als XLSX oder CSV und importieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The workbook is encrypted or an old Excel (XLS) file: save it as XLSX without a password, or as CSV, and import it again.</source>
        <translation>Die Arbeitsmappe ist verschlüsselt oder eine alte Excel-Datei (XLS): Speichern Sie sie als XLSX ohne Kennwort oder als CSV und importieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The workbook lacks its part %1: save it again as XLSX or CSV and import it again.</source>
        <translation>Der Arbeitsmappe fehlt ihr Teil %1: Speichern Sie sie erneut als XLSX oder CSV und importieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>Cell %1 holds more than %2 KiB of text: shorten it and import the file again.</source>
        <translation>Zelle %1 enthält mehr als %2 KiB Text: Kürzen Sie ihn und importieren Sie die Datei noch einmal.</translation>
    </message>
    <message>
        <source>The workbook&apos;s part %1 unpacks to more than %2 MB: split the sheet into smaller files and import them one by one.</source>
        <translation>Der Teil %1 der Arbeitsmappe wird entpackt größer als %2 MB: Teilen Sie das Blatt auf kleinere Dateien auf und importieren Sie diese einzeln.</translation>
    </message>
    <message>
        <source>the part declares a document type</source>
        <translation>der Teil deklariert einen Dokumenttyp</translation>
    </message>
    <message>
        <source>The workbook&apos;s part %1 is not readable XML (line %2: %3): save it again as XLSX or CSV and import it again.</source>
        <translation>Der Teil %1 der Arbeitsmappe ist kein lesbares XML (Zeile %2: %3): Speichern Sie sie erneut als XLSX oder CSV und importieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The sheet&apos;s row numbers are not valid (row %1 after row %2): save the sheet again as XLSX or CSV and import it again.</source>
        <translation>Die Zeilennummern des Blatts sind ungültig (Zeile %1 nach Zeile %2): Speichern Sie das Blatt erneut als XLSX oder CSV und importieren Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Row %1 holds a cell named %2: save the sheet again as XLSX or CSV and import it again.</source>
        <translation>Zeile %1 enthält eine Zelle namens %2: Speichern Sie das Blatt erneut als XLSX oder CSV und importieren Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Row %1 has a cell beyond column XFD, the last a sheet can have: save the sheet again as XLSX or CSV and import it again.</source>
        <translation>Zeile %1 hat eine Zelle hinter Spalte XFD, der letzten eines Blatts: Speichern Sie das Blatt erneut als XLSX oder CSV und importieren Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Cell %1 refers to text that the workbook lacks: save it again as XLSX or CSV and import it again.</source>
        <translation>Zelle %1 verweist auf Text, der in der Arbeitsmappe fehlt: Speichern Sie sie erneut als XLSX oder CSV und importieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The workbook has no worksheet: save a sheet of ads as XLSX or CSV and import it again.</source>
        <translation>Die Arbeitsmappe hat kein Tabellenblatt: Speichern Sie ein Blatt mit Anzeigen als XLSX oder CSV und importieren Sie es noch einmal.</translation>
    </message>
    <message>
        <source>The file is not an XLSX workbook: save it as XLSX or CSV and import it again.</source>
        <translation>Die Datei ist keine XLSX-Arbeitsmappe: Speichern Sie sie als XLSX oder CSV und importieren Sie sie noch einmal.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB: split the sheet into smaller files and import them one by one.</source>
        <translation>Die Datei ist größer als %1 MB: Teilen Sie das Blatt auf kleinere Dateien auf und importieren Sie diese einzeln.</translation>
    </message>
    <message>
        <source>The file cannot be opened: check that it exists and that you may read it.</source>
        <translation>Die Datei lässt sich nicht öffnen: Prüfen Sie, ob es sie gibt und ob Sie sie lesen dürfen.</translation>
    </message>
    <message>
        <source>The workbook&apos;s part %1 holds a text of more than %2 KiB: shorten it and import the file again.</source>
        <translation>Der Teil %1 der Arbeitsmappe enthält einen Text von mehr als %2 KiB: Kürzen Sie ihn und importieren Sie die Datei noch einmal.</translation>
    </message>
    <message>
        <source>%1: does not fit:</source>
        <translation>%1: passt nicht:</translation>
    </message>
    <message>
        <source>copy deck</source>
        <translation>Anzeigentabelle</translation>
    </message>
    <message>
        <source>Google Ads Editor file</source>
        <translation>Google-Ads-Editor-Datei</translation>
    </message>
    <message>
        <source>Microsoft Advertising bulk file</source>
        <translation>Microsoft-Advertising-Massendatei</translation>
    </message>
    <message>
        <source>Yandex Direct file</source>
        <translation>Yandex-Direct-Datei</translation>
    </message>
    <message>
        <source>Titles</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Pins (1 to 3, 1 to 2)</source>
        <translation>Fixierungen (1 bis 3, 1 bis 2)</translation>
    </message>
    <message>
        <source>Paths after the final URL&apos;s domain</source>
        <translation>Pfade nach der Domain der finalen URL</translation>
    </message>
    <message>
        <source>Kind of row</source>
        <translation>Art der Zeile</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>the header row has more than %1 columns</source>
        <translation>die Kopfzeile hat mehr als %1 Spalten</translation>
    </message>
    <message>
        <source>no row of the file is an ad</source>
        <translation>keine Zeile der Datei ist eine Anzeige</translation>
    </message>
    <message>
        <source>the workbook cannot be read</source>
        <translation>die Arbeitsmappe kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1.
Columns found: %2.
Name the columns of the ads&apos; fields as listed below (case and spaces do not matter), save the file as CSV, TSV or XLSX and try again. Rows whose type is not a text ad are skipped.
%3</source>
        <translation>%1.
Gefundene Spalten: %2.
Benennen Sie die Spalten der Felder der Anzeigen wie unten aufgeführt (Groß- und Kleinschreibung und Leerzeichen sind gleich), speichern Sie die Datei als CSV, TSV oder XLSX und versuchen Sie es erneut. Zeilen, deren Art keine Textanzeige ist, werden übersprungen.
%3</translation>
    </message>
    <message>
        <source>%1.
Delete the empty columns at its end, or the columns not needed, and try again.</source>
        <translation>%1.
Löschen Sie die leeren Spalten an ihrem Ende oder die nicht benötigten Spalten und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1.
Split it into smaller files and import each.</source>
        <translation>%1.
Teilen Sie sie in kleinere Dateien auf und importieren Sie jede.</translation>
    </message>
    <message>
        <source>%1.
Check that it is a file, that it exists and that you may read it, then try again.</source>
        <translation>%1.
Prüfen Sie, ob es eine Datei ist, ob sie existiert und ob Sie sie lesen dürfen, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>%1.
Open it in a spreadsheet and save it again as XLSX or CSV, then try again.</source>
        <translation>%1.
Öffnen Sie sie in einer Tabellenkalkulation, speichern Sie sie erneut als XLSX oder CSV und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>no column of the %1 names a title (columns found: %2): its ads have no title and do not fit</source>
        <translation>keine Spalte der %1 benennt einen Titel (gefundene Spalten: %2): ihre Anzeigen haben keinen Titel und passen nicht</translation>
    </message>
    <message>
        <source>%1 cannot be imported: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Careful: %1.</source>
        <translation>Achtung: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the %1 are not ads and were skipped.</source>
        <translation>
            <numerusform>%n Zeile der %1 ist keine Anzeige und wurde übersprungen.</numerusform>
            <numerusform>%n Zeilen der %1 sind keine Anzeigen und wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Titles and Texts</source>
        <translation>Titel und Texte</translation>
    </message>
    <message>
        <source>Combination %1 of %2</source>
        <translation>Kombination %1 von %2</translation>
    </message>
</context>
<context>
    <name>Spelling</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 ist größer als %2 MB</translation>
    </message>
    <message>
        <source>The dictionary %1 is not used: %2.</source>
        <translation>Das Wörterbuch %1 wird nicht verwendet: %2.</translation>
    </message>
    <message>
        <source>%1 does not begin with its number of words</source>
        <translation>%1 beginnt nicht mit der Zahl seiner Wörter</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its encoding %1 is not known</source>
        <translation>seine Kodierung %1 ist unbekannt</translation>
    </message>
    <message>
        <source>Your dictionary is not used: %1. No word can be added to it until it is repaired or moved.</source>
        <translation>Ihr Wörterbuch wird nicht verwendet: %1. Bis es repariert oder verschoben ist, kann kein Wort hinzugefügt werden.</translation>
    </message>
    <message>
        <source>%1 has more than %2 lines</source>
        <translation>%1 hat mehr als %2 Zeilen</translation>
    </message>
    <message>
        <source>Your dictionary %1 cannot take new words.</source>
        <translation>Ihr Wörterbuch %1 kann keine neuen Wörter aufnehmen.</translation>
    </message>
    <message>
        <source>Your dictionary %1 could not be saved.</source>
        <translation>Ihr Wörterbuch %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Hunspell fails on %1 or %2</source>
        <translation>Hunspell scheitert an %1 oder %2</translation>
    </message>
</context>
</TS>
