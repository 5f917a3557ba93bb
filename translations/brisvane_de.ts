<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ColorRole</name>
    <message>
        <source>Face:</source>
        <translation>Fläche:</translation>
    </message>
    <message>
        <source>Click here to change the Face Color</source>
        <translation>Hier klicken, um die Flächenfarbe zu ändern</translation>
    </message>
    <message>
        <source>Face Color</source>
        <translation>Flächenfarbe</translation>
    </message>
    <message>
        <source>Face color</source>
        <translation>Flächenfarbe</translation>
    </message>
    <message>
        <source>Highlight:</source>
        <translation>Lichtkante:</translation>
    </message>
    <message>
        <source>Click here to change the Highlight Color</source>
        <translation>Hier klicken, um die Farbe der Lichtkante zu ändern</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>Farbe der Lichtkante</translation>
    </message>
    <message>
        <source>Highlight color</source>
        <translation>Farbe der Lichtkante</translation>
    </message>
    <message>
        <source>3d Light:</source>
        <translation>3D-Licht:</translation>
    </message>
    <message>
        <source>Click here to change the 3d Light Color</source>
        <translation>Hier klicken, um die 3D-Lichtfarbe zu ändern</translation>
    </message>
    <message>
        <source>3D Light Color</source>
        <translation>3D-Lichtfarbe</translation>
    </message>
    <message>
        <source>3D Light color</source>
        <translation>3D-Lichtfarbe</translation>
    </message>
    <message>
        <source>Shadow:</source>
        <translation>Schatten:</translation>
    </message>
    <message>
        <source>Click here to change the Shadow Color</source>
        <translation>Hier klicken, um die Schattenfarbe zu ändern</translation>
    </message>
    <message>
        <source>Shadow Color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Shadow color</source>
        <translation>Schattenfarbe</translation>
    </message>
    <message>
        <source>Darkshadow:</source>
        <translation>Tiefschatten:</translation>
    </message>
    <message>
        <source>Click here to change the Darkshadow Color</source>
        <translation>Hier klicken, um die Tiefschattenfarbe zu ändern</translation>
    </message>
    <message>
        <source>DarkShadow Color</source>
        <translation>Tiefschattenfarbe</translation>
    </message>
    <message>
        <source>Dark Shadow color</source>
        <translation>Tiefschattenfarbe</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Spur:</translation>
    </message>
    <message>
        <source>Click here to change the Track Color</source>
        <translation>Hier klicken, um die Spurfarbe zu ändern</translation>
    </message>
    <message>
        <source>Track Color</source>
        <translation>Spurfarbe</translation>
    </message>
    <message>
        <source>Track color</source>
        <translation>Spurfarbe</translation>
    </message>
    <message>
        <source>Arrows:</source>
        <translation>Pfeile:</translation>
    </message>
    <message>
        <source>Click here to change the Arrow Color</source>
        <translation>Hier klicken, um die Pfeilfarbe zu ändern</translation>
    </message>
    <message>
        <source>ArrowColor</source>
        <translation>Pfeilfarbe</translation>
    </message>
    <message>
        <source>Arrow color</source>
        <translation>Pfeilfarbe</translation>
    </message>
    <message>
        <source>Hover:</source>
        <translation>Hover:</translation>
    </message>
    <message>
        <source>Click here to change the Hover Color</source>
        <translation>Hier klicken, um die Hover-Farbe zu ändern</translation>
    </message>
    <message>
        <source>Hover Color</source>
        <translation>Hover-Farbe</translation>
    </message>
    <message>
        <source>Hover color</source>
        <translation>Hover-Farbe</translation>
    </message>
    <message>
        <source>Pressed:</source>
        <translation>Gedrückt:</translation>
    </message>
    <message>
        <source>Click here to change the Pressed Color</source>
        <translation>Hier klicken, um die Farbe beim Drücken zu ändern</translation>
    </message>
    <message>
        <source>Pressed Color</source>
        <translation>Farbe beim Drücken</translation>
    </message>
    <message>
        <source>Pressed color</source>
        <translation>Farbe beim Drücken</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Brisvane cannot read or save Projects: %1.<byte value="xd"/>
Colours can still be edited and their code generated.</source>
        <translation>Brisvane kann keine Projekte lesen oder speichern: %1.<byte value="xd"/>
Farben lassen sich trotzdem bearbeiten und ihr Code erzeugen.</translation>
    </message>
</context>
<context>
    <name>NameMessages</name>
    <message>
        <source>There is already a Project named: %1<byte value="xd"/>
You must choose a different Project Name.</source>
        <translation>Es gibt schon ein Projekt namens: %1<byte value="xd"/>
Sie müssen einen anderen Projektnamen wählen.</translation>
    </message>
    <message>
        <source>The project file keeps its list of Projects under that name.</source>
        <translation>Die Projektdatei führt unter diesem Namen ihre Liste der Projekte.</translation>
    </message>
    <message>
        <source>A Project Name must stay on one line.</source>
        <translation>Ein Projektname muss auf einer Zeile bleiben.</translation>
    </message>
    <message>
        <source>The project file already holds an entry of that name, which the new Project would share.</source>
        <translation>Die Projektdatei enthält schon einen Eintrag dieses Namens, den das neue Projekt teilen würde.</translation>
    </message>
    <message>
        <source>A Project cannot be named: %1<byte value="xd"/>
%2<byte value="xd"/>
You must choose a different Project Name.</source>
        <translation>Ein Projekt kann nicht so heißen: %1<byte value="xd"/>
%2<byte value="xd"/>
Sie müssen einen anderen Projektnamen wählen.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>brisvane::ColorRows</name>
    <message>
        <source>%1 in the enlarged scrollbar</source>
        <translation>%1 in der vergrößerten Bildlaufleiste</translation>
    </message>
    <message>
        <source>Click here to change color</source>
        <translation>Hier klicken, um die Farbe zu ändern</translation>
    </message>
    <message>
        <source>%1: choose</source>
        <translation>%1: wählen</translation>
    </message>
    <message>
        <source># and six hexadecimal digits, or empty for the face</source>
        <translation># und sechs Hexadezimalziffern, oder leer für die Fläche</translation>
    </message>
    <message>
        <source># and six hexadecimal digits</source>
        <translation># und sechs Hexadezimalziffern</translation>
    </message>
</context>
<context>
    <name>brisvane::ColorSetControls</name>
    <message>
        <source>thumb %1, arrows %2</source>
        <translation>Schieber %1, Pfeile %2</translation>
    </message>
    <message>
        <source>The thumb stands out from the track by only %1, less than the %2:1 that controls need.</source>
        <translation>Der Schieber hebt sich nur um %1 von der Spur ab; Bedienelemente brauchen %2:1.</translation>
    </message>
    <message>
        <source>The arrows stand out from the face by only %1, less than the %2:1 that controls need.</source>
        <translation>Die Pfeile heben sich nur um %1 von der Fläche ab; Bedienelemente brauchen %2:1.</translation>
    </message>
    <message>
        <source>hover %1, %2</source>
        <translation>Hover %1, %2</translation>
    </message>
    <message>
        <source>The thumb under the pointer stands out from the track by only %1, less than the %2:1 that controls need.</source>
        <translation>Der Schieber unter dem Zeiger hebt sich nur um %1 von der Spur ab; Bedienelemente brauchen %2:1.</translation>
    </message>
    <message>
        <source>The arrows stand out from the hover face by only %1, less than the %2:1 that controls need.</source>
        <translation>Die Pfeile heben sich nur um %1 von der Hover-Fläche ab; Bedienelemente brauchen %2:1.</translation>
    </message>
    <message>
        <source>pressed %1, %2</source>
        <translation>gedrückt %1, %2</translation>
    </message>
    <message>
        <source>The held thumb stands out from the track by only %1, less than the %2:1 that controls need.</source>
        <translation>Der gehaltene Schieber hebt sich nur um %1 von der Spur ab; Bedienelemente brauchen %2:1.</translation>
    </message>
    <message>
        <source>The arrows stand out from the pressed face by only %1, less than the %2:1 that controls need.</source>
        <translation>Die Pfeile heben sich nur um %1 von der gedrückten Fläche ab; Bedienelemente brauchen %2:1.</translation>
    </message>
    <message>
        <source>Contrast: %1</source>
        <translation>Kontrast: %1</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Add Dark Set</source>
        <translation>Dunkel hinzufügen</translation>
    </message>
    <message>
        <source>Edit the colors of the scrollbar in light mode.</source>
        <translation>Die Farben der Scrollbar im hellen Modus bearbeiten.</translation>
    </message>
    <message>
        <source>Edit the colors of the scrollbar in dark mode.</source>
        <translation>Die Farben der Scrollbar im dunklen Modus bearbeiten.</translation>
    </message>
    <message>
        <source>Adds or removes a second set of colors, which pages show in dark mode.</source>
        <translation>Fügt einen zweiten Satz Farben hinzu, den Seiten im dunklen Modus zeigen, oder entfernt ihn.</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Remove Dark Set</source>
        <translation>Dunkel entfernen</translation>
    </message>
    <message>
        <source>You are about to remove the Dark Set of colors.<byte value="xd"/>
Are you sure?</source>
        <translation>Sie sind dabei, die dunklen Farben zu entfernen.<byte value="xd"/>
Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Confirm Remove Dark Set</source>
        <translation>Entfernen der dunklen Farben bestätigen</translation>
    </message>
</context>
<context>
    <name>brisvane::FileCommands</name>
    <message>
        <source>The Project &quot;%1&quot; could not be saved in<byte value="xd"/>
%2:<byte value="xd"/>
%3</source>
        <translation>Das Projekt „%1“ konnte nicht gespeichert werden in<byte value="xd"/>
%2:<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>%1, has been Saved.</source>
        <translation>%1 wurde gespeichert.</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Do you want to save the current Scrollbar?</source>
        <translation>Möchten Sie die aktuelle Scrollbar speichern?</translation>
    </message>
    <message>
        <source>Type in a Project Name to Save the current Scrollbar as.</source>
        <translation>Geben Sie den Projektnamen ein, unter dem die aktuelle Scrollbar gespeichert wird.</translation>
    </message>
    <message>
        <source>The current Scrollbar has not been saved.</source>
        <translation>Die aktuelle Scrollbar wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Type in a Project Name.</source>
        <translation>Geben Sie einen Projektnamen ein.</translation>
    </message>
    <message>
        <source>You are about to close Brisvane.<byte value="xd"/>
Do you want to save the current Scrollbar?</source>
        <translation>Sie sind dabei, Brisvane zu schließen.<byte value="xd"/>
Möchten Sie die aktuelle Scrollbar speichern?</translation>
    </message>
    <message>
        <source>The current Scrollbar has not been Saved.</source>
        <translation>Die aktuelle Scrollbar wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Import Colors from Page</source>
        <translation>Farben aus Seite importieren</translation>
    </message>
    <message>
        <source>Web Pages and Style Sheets (*.htm *.html *.css);;All Files (*)</source>
        <translation>Webseiten und Stylesheets (*.htm *.html *.css);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>In %1, %2; no color has changed.%3</source>
        <translation>In %1: %2; keine Farbe wurde geändert.%3</translation>
    </message>
    <message>
        <source>Not every scrollbar color in %1 could be taken as it stands:%2</source>
        <translation>Nicht jede Scrollbar-Farbe in %1 ließ sich so übernehmen, wie sie dasteht:%2</translation>
    </message>
</context>
<context>
    <name>brisvane::frmCode</name>
    <message>
        <source>Brisvane | Copy&apos;n&apos;Paste</source>
        <translation>Brisvane | Kopieren und Einfügen</translation>
    </message>
    <message>
        <source>Paste the Brisvane generated code between the &lt;head&gt; Start tag and the &lt;/head&gt; End tag, for each of your web pages. (see the following example Web Page)</source>
        <translation>Fügen Sie den von Brisvane erzeugten Code in jede Ihrer Webseiten zwischen dem Start-Tag &lt;head&gt; und dem End-Tag &lt;/head&gt; ein. (siehe die folgende Beispielseite)</translation>
    </message>
    <message>
        <source>Brisvane generated code</source>
        <translation>Von Brisvane erzeugter Code</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In Zwischenablage</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Classic (IE 5.5+)</source>
        <translation>Klassisch (IE 5.5+)</translation>
    </message>
    <message>
        <source>Every Browser</source>
        <translation>Alle Browser</translation>
    </message>
    <message>
        <source>NOTE</source>
        <translation>HINWEIS</translation>
    </message>
    <message>
        <source>Reach:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Every scroll box</source>
        <translation>Alle Scrollboxen</translation>
    </message>
    <message>
        <source>The page only</source>
        <translation>Nur die Seite</translation>
    </message>
    <message>
        <source>Boxes matching:</source>
        <translation>Passende Boxen:</translation>
    </message>
    <message>
        <source>Reach of the code for every browser</source>
        <translation>Ziel des Codes für alle Browser</translation>
    </message>
    <message>
        <source>Selector list</source>
        <translation>Selektorliste</translation>
    </message>
    <message>
        <source>%1.<byte value="xd"/>
The code stays as it was.</source>
        <translation>%1.<byte value="xd"/>
Der Code bleibt, wie er war.</translation>
    </message>
    <message>
        <source>Dark theme:</source>
        <translation>Dunkel bei:</translation>
    </message>
    <message>
        <source>Dark theme selector</source>
        <translation>Selektor des dunklen Themas</translation>
    </message>
    <message>
        <source>The site&apos;s own dark theme, as a selector list, where the dark set applies instead of in the system&apos;s dark mode; empty for the system&apos;s dark mode</source>
        <translation>Das eigene dunkle Thema der Website als Selektorliste, in dem die dunklen Farben statt im dunklen Modus des Systems gelten; leer für den dunklen Modus des Systems</translation>
    </message>
    <message>
        <source>Chrome, Edge, Opera and Safari draw the classic scrollbar in all seven colors, as Internet Explorer 5.5 + does.</source>
        <translation>Chrome, Edge, Opera und Safari zeichnen die klassische Scrollbar in allen sieben Farben, wie der Internet Explorer 5.5 +.</translation>
    </message>
    <message>
        <source>Firefox shows only the Face and Track colors.</source>
        <translation>Firefox zeigt nur die Farben Fläche und Spur.</translation>
    </message>
    <message>
        <source>The Code generated by Brisvane affects only Intenet Explorer 5.5 +. </source>
        <translation>Der von Brisvane erzeugte Code wirkt nur im Internet Explorer 5.5 +.</translation>
    </message>
    <message>
        <source>Colors will not be visible and will not effect other Internet browsers.</source>
        <translation>In anderen Browsern sind die Farben nicht sichtbar und wirken nicht.</translation>
    </message>
    <message>
        <source>Colorful Scrollbars</source>
        <translation>Bunte Scrollbars</translation>
    </message>
    <message>
        <source>&quot;Hello World&quot;</source>
        <translation>„Hallo Welt“</translation>
    </message>
    <message>
        <source>Look at my Colorful Scrollbars!</source>
        <translation>Schau dir meine bunten Scrollbars an!</translation>
    </message>
    <message>
        <source>The code could not be copied to the clipboard.</source>
        <translation>Der Code konnte nicht in die Zwischenablage kopiert werden.</translation>
    </message>
    <message>
        <source>The code has been copied<byte value="xd"/>
to the clipboard.</source>
        <translation>Der Code wurde in die<byte value="xd"/>
Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>the cache folder could not be found</source>
        <translation>der Cache-Ordner wurde nicht gefunden</translation>
    </message>
    <message>
        <source>The preview page could not be written: %1.</source>
        <translation>Die Vorschauseite konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>The preview page %1 was written, but no browser could be started to show it.</source>
        <translation>Die Vorschauseite %1 wurde geschrieben, aber kein Browser ließ sich starten, um sie zu zeigen.</translation>
    </message>
</context>
<context>
    <name>brisvane::frmHelp</name>
    <message>
        <source>Brisvane</source>
        <translation>Brisvane</translation>
    </message>
    <message>
        <source>Modify Colors</source>
        <translation>Farben ändern</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Quelmark Inc.</source>
        <translation>Quelmark Inc.</translation>
    </message>
    <message>
        <source>Brisvane | Documentation</source>
        <translation>Brisvane | Dokumentation</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>The help pages lie beside the program, whose folder could not be found.</source>
        <translation>Die Hilfeseiten liegen neben dem Programm, dessen Ordner nicht gefunden wurde.</translation>
    </message>
</context>
<context>
    <name>brisvane::frmHexErr</name>
    <message>
        <source>Hex Error</source>
        <translation>Hex-Fehler</translation>
    </message>
    <message>
        <source>You entered a NON-Hexadecimal Digit. These boxes will accept only the following Hexadecimal Digits:</source>
        <translation>Sie haben eine NICHT-hexadezimale Ziffer eingegeben. Erlaubt sind nur diese Hexadezimalziffern:</translation>
    </message>
    <message>
        <source>More info.</source>
        <translation>Näheres.</translation>
    </message>
</context>
<context>
    <name>brisvane::frmMain</name>
    <message>
        <source>Enlarged Scrollbar</source>
        <translation>Großansicht</translation>
    </message>
    <message>
        <source>Sample page</source>
        <translation>Beispielseite</translation>
    </message>
    <message>
        <source>Generate Scrollbar</source>
        <translation>Code erzeugen</translation>
    </message>
    <message>
        <source>This creates the copy&apos;n&apos;paste Style tag that you insert into any HTML file.</source>
        <translation>Erzeugt das Style-Tag zum Kopieren und Einfügen in jede HTML-Datei.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Reset the current Scrollbar back to default settings.</source>
        <translation>Setzt die Bildlaufleiste auf die Standardfarben zurück.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit Brisvane</source>
        <translation>Brisvane beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Import Colors from Page...</source>
        <translation>Farben aus Seite importieren...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Inhalt...</translation>
    </message>
    <message>
        <source>Visit Quelmark</source>
        <translation>Quelmark besuchen</translation>
    </message>
    <message>
        <source>The Project &quot;%1&quot; could not be created in<byte value="xd"/>
%2:<byte value="xd"/>
%3</source>
        <translation>Das Projekt &quot;%1&quot; konnte nicht angelegt werden in<byte value="xd"/>
%2:<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>The Project %1 could not be opened: %2.</source>
        <translation>Das Projekt %1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Some colours of the Project &quot;%1&quot; are not colours in the project file:<byte value="xd"/>
%2They are shown as the colour fields leave them, and saving the Project stores them so.</source>
        <translation>Einige Farben des Projekts &quot;%1&quot; sind in der Projektdatei keine Farben:<byte value="xd"/>
%2Sie werden so gezeigt, wie die Farbfelder sie lassen, und beim Speichern des Projekts so gespeichert.</translation>
    </message>
    <message>
        <source>Brisvane</source>
        <translation>Brisvane</translation>
    </message>
    <message>
        <source>Brisvane | %1</source>
        <translation>Brisvane | %1</translation>
    </message>
    <message>
        <source>You are about to Reset the current Scrollbar to default settings.<byte value="xd"/>
Are you sure?</source>
        <translation>Sie sind dabei, die Bildlaufleiste auf die Standardfarben zurückzusetzen.<byte value="xd"/>
Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Confirm Reset</source>
        <translation>Zurücksetzen bestätigen</translation>
    </message>
</context>
<context>
    <name>brisvane::frmOpen</name>
    <message>
        <source>Create/Open Scrollbar</source>
        <translation>Scrollbar anlegen/öffnen</translation>
    </message>
    <message>
        <source>Project Name:</source>
        <translation>Projektname:</translation>
    </message>
    <message>
        <source>My Colorful Scrollbar</source>
        <translation>Meine bunte Scrollbar</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Existing Projects</source>
        <translation>Vorhandene Projekte</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Create a new ScrollBar</source>
        <translation>Eine neue Scrollbar anlegen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open an existing Scrollbar</source>
        <translation>Eine vorhandene Scrollbar öffnen</translation>
    </message>
    <message>
        <source>Existing</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>The Projects cannot be listed: %1.</source>
        <translation>Die Projekte lassen sich nicht auflisten: %1.</translation>
    </message>
    <message>
        <source>You must type in a Project Name.</source>
        <translation>Sie müssen einen Projektnamen eingeben.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
</context>
</TS>
