<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Tintora</name>
    <message>
        <source>Tintora %ls</source>
        <translation>Tintora %ls</translation>
    </message>
    <message>
        <source>%ls cannot contain a comma (&quot;,&quot;): in a palette file the comma ends the name and starts the description.</source>
        <translation>%ls darf kein Komma (&quot;,&quot;) enthalten: In einer Palettendatei beendet das Komma den Namen und beginnt die Beschreibung.</translation>
    </message>
    <message>
        <source>%ls cannot contain &quot;#&quot;: in a palette file &quot;#&quot; starts a comment, and the rest of the line would be lost.</source>
        <translation>%ls darf kein &quot;#&quot; enthalten: In einer Palettendatei beginnt &quot;#&quot; einen Kommentar, und der Rest der Zeile ginge verloren.</translation>
    </message>
    <message>
        <source>%ls cannot contain a line break: the name and the description of a palette share one line of the palette file.</source>
        <translation>%ls darf keinen Zeilenumbruch enthalten: Name und Beschreibung einer Palette stehen in derselben Zeile der Palettendatei.</translation>
    </message>
    <message>
        <source>%ls cannot contain the character &quot;%lc&quot; (U+%04X): palette files hold only the characters of the Windows-1252 (Western European) character set.</source>
        <translation>%ls darf das Zeichen &quot;%lc&quot; (U+%04X) nicht enthalten: Palettendateien enthalten nur Zeichen des Zeichensatzes Windows-1252 (Westeuropäisch).</translation>
    </message>
    <message>
        <source>The name</source>
        <translation>Der Name</translation>
    </message>
    <message>
        <source>The description</source>
        <translation>Die Beschreibung</translation>
    </message>
    <message>
        <source>Rename Palette</source>
        <translation>Palette umbenennen</translation>
    </message>
    <message>
        <source>You must at least supply a name for the palette</source>
        <translation>Sie müssen mindestens einen Namen für die Palette angeben</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Marker Pen Colour</source>
        <translation>Farbe des Markierstifts</translation>
    </message>
    <message>
        <source>Pen %1 Colour</source>
        <translation>Farbe von Stift %1</translation>
    </message>
    <message>
        <source>DOUBLE CLICK TO EDIT</source>
        <translation>DOPPELKLICK ZUM ÄNDERN</translation>
    </message>
    <message>
        <source>R %1, G %2, B %3</source>
        <translation>R %1, G %2, B %3</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>Stift %1</translation>
    </message>
    <message>
        <source>Marker pen</source>
        <translation>Markierstift</translation>
    </message>
    <message>
        <source>Selected pen %1</source>
        <translation>Ausgewählter Stift %1</translation>
    </message>
    <message>
        <source>You need to select a palette</source>
        <translation>Sie müssen eine Palette auswählen</translation>
    </message>
    <message>
        <source>R: %03d G: %03d B: %03d</source>
        <translation>R: %03d G: %03d B: %03d</translation>
    </message>
    <message>
        <source>Pen: %d</source>
        <translation>Stift: %d</translation>
    </message>
    <message>
        <source>Current palette: %ls (%ls)</source>
        <translation>Aktuelle Palette: %ls (%ls)</translation>
    </message>
    <message>
        <source>Corvane Palette (*.pal)</source>
        <translation>Corvane-Palette (*.pal)</translation>
    </message>
    <message>
        <source>Tintora</source>
        <translation>Tintora</translation>
    </message>
    <message>
        <source>Failed to open selected palette file</source>
        <translation>Die ausgewählte Palettendatei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The palette file holds more than 100,000 palettes; Tintora cannot edit it.</source>
        <translation>Die Palettendatei enthält mehr als 100.000 Paletten; Tintora kann sie nicht bearbeiten.</translation>
    </message>
    <message>
        <source>Failed to read name list from selected palette file</source>
        <translation>Die Namensliste der ausgewählten Palettendatei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Current palette has been modified, would you like to save ?</source>
        <translation>Die aktuelle Palette wurde geändert. Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Tintora - %ls</source>
        <translation>Tintora - %ls</translation>
    </message>
    <message>
        <source>Palette has not been changed !</source>
        <translation>Die Palette wurde nicht geändert!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Failed to open palette file for writing</source>
        <translation>Die Palettendatei konnte nicht zum Schreiben geöffnet werden</translation>
    </message>
    <message>
        <source>Palette file has been saved</source>
        <translation>Die Palettendatei wurde gespeichert</translation>
    </message>
    <message>
        <source>The palette file has been changed by another program since it was opened or saved.
Replace it with the palette shown in Tintora?</source>
        <translation>Die Palettendatei wurde seit dem Öffnen oder Speichern von einem anderen Programm geändert.
Durch die in Tintora angezeigte Palette ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Veldra 3.x (*.ini)</source>
        <translation>Veldra 3.x (*.ini)</translation>
    </message>
    <message>
        <source>Import Veldra 3.x</source>
        <translation>Veldra 3.x importieren</translation>
    </message>
    <message>
        <source>Pens</source>
        <translation>Stifte</translation>
    </message>
    <message>
        <source>There is only one palette in the file
therefore nothing to select.

Would you like to add another ?</source>
        <translation>Die Datei enthält nur eine Palette,
daher gibt es nichts auszuwählen.

Möchten Sie eine weitere hinzufügen?</translation>
    </message>
    <message>
        <source>There is only one palette in the file
therefore nothing present that can be deleted

Would you like the current file unloaded instead ?</source>
        <translation>Die Datei enthält nur eine Palette,
daher gibt es nichts, was gelöscht werden kann.

Möchten Sie stattdessen die aktuelle Datei schließen?</translation>
    </message>
    <message>
        <source>This is the default palette and was not loaded initially</source>
        <translation>Dies ist die Standardpalette; sie wurde nicht aus einer Datei geladen</translation>
    </message>
    <message>
        <source>Add Palette</source>
        <translation>Palette hinzufügen</translation>
    </message>
    <message>
        <source>Delete Palette</source>
        <translation>Palette löschen</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>GIMP-Palette (*.gpl)</translation>
    </message>
    <message>
        <source>Hex colour list (*.hex)</source>
        <translation>Hex-Farbliste (*.hex)</translation>
    </message>
    <message>
        <source>JSON palettes (*.json)</source>
        <translation>JSON-Paletten (*.json)</translation>
    </message>
    <message>
        <source>CSS custom properties (*.css)</source>
        <translation>Benutzerdefinierte CSS-Eigenschaften (*.css)</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation>Palette importieren</translation>
    </message>
    <message>
        <source>the file holds no palette</source>
        <translation>die Datei enthält keine Palette</translation>
    </message>
    <message>
        <source>Failed to import %ls: %ls</source>
        <translation>%ls konnte nicht importiert werden: %ls</translation>
    </message>
    <message>
        <source>the palette cannot be made</source>
        <translation>die Palette kann nicht erzeugt werden</translation>
    </message>
    <message>
        <source>Failed to write %ls
%ls</source>
        <translation>%ls konnte nicht geschrieben werden
%ls</translation>
    </message>
    <message>
        <source>Pen Over: %d</source>
        <translation>Stift unter Zeiger: %d</translation>
    </message>
    <message>
        <source>RGB Over: %03d,%03d,%03d</source>
        <translation>RGB unter Zeiger: %03d,%03d,%03d</translation>
    </message>
    <message>
        <source>Displays the main pen palette (click to select)</source>
        <translation>Zeigt die Hauptstiftpalette (zum Auswählen klicken)</translation>
    </message>
    <message>
        <source>Displays the gray/secondary pen palette (click to select)</source>
        <translation>Zeigt die graue/zweite Stiftpalette (zum Auswählen klicken)</translation>
    </message>
    <message>
        <source>Displays the standard pen palette (click to select)</source>
        <translation>Zeigt die Standardstiftpalette (zum Auswählen klicken)</translation>
    </message>
    <message>
        <source>Displays the pen number of the item under the mouse cursor</source>
        <translation>Zeigt die Stiftnummer des Elements unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Displays the RGB colour components of the item under the mouse cursor</source>
        <translation>Zeigt die RGB-Farbanteile des Elements unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Displays the colour of the currently selected pen (double-click to change)</source>
        <translation>Zeigt die Farbe des ausgewählten Stifts (zum Ändern doppelklicken)</translation>
    </message>
    <message>
        <source>Displays the number of the currently selected pen</source>
        <translation>Zeigt die Nummer des ausgewählten Stifts</translation>
    </message>
    <message>
        <source>Displays the RGB components of the colour</source>
        <translation>Zeigt die RGB-Anteile der Farbe</translation>
    </message>
    <message>
        <source>Displays the current palette name</source>
        <translation>Zeigt den Namen der aktuellen Palette</translation>
    </message>
    <message>
        <source>Displays the colour of the marker pen (double-click to change)</source>
        <translation>Zeigt die Farbe des Markierstifts (zum Ändern doppelklicken)</translation>
    </message>
    <message>
        <source>Open shared folder location</source>
        <translation>Gemeinsamen Ordner öffnen</translation>
    </message>
    <message>
        <source>Open all users folder location</source>
        <translation>Ordner für alle Benutzer öffnen</translation>
    </message>
    <message>
        <source>Open local user folder location</source>
        <translation>Lokalen Benutzerordner öffnen</translation>
    </message>
    <message>
        <source>There is not enough memory to complete this command.</source>
        <translation>Für diesen Befehl ist nicht genügend Speicher vorhanden.</translation>
    </message>
    <message>
        <source>Tintora Help</source>
        <translation>Tintora-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>About Tintora</source>
        <translation>Über Tintora</translation>
    </message>
    <message>
        <source>Tintora Version 1.1</source>
        <translation>Tintora Version 1.1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Current palette:</source>
        <translation>Aktuelle Palette:</translation>
    </message>
    <message>
        <source>Light background</source>
        <translation>Heller Hintergrund</translation>
    </message>
    <message>
        <source>Dark background</source>
        <translation>Dunkler Hintergrund</translation>
    </message>
    <message>
        <source>Pen Over:</source>
        <translation>Stift unter Zeiger:</translation>
    </message>
    <message>
        <source>RGB Over:</source>
        <translation>RGB unter Zeiger:</translation>
    </message>
    <message>
        <source>Pen: 0</source>
        <translation>Stift: 0</translation>
    </message>
    <message>
        <source>R: 255 G: 255 B: 255</source>
        <translation>R: 255 G: 255 B: 255</translation>
    </message>
    <message>
        <source>Pen: 0 (Marker)</source>
        <translation>Stift: 0 (Markierung)</translation>
    </message>
    <message>
        <source>Select Palette</source>
        <translation>Palette auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Important Message</source>
        <translation>Wichtiger Hinweis</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Modified files should NOT be written back to the All Users folder as they can and will be overwritten when updates are installed.</source>
        <translation>Geänderte Dateien sollten NICHT in den Ordner „Alle Benutzer“ zurückgeschrieben werden, da sie beim Installieren von Aktualisierungen überschrieben werden.</translation>
    </message>
    <message>
        <source>Modified files should be stored in the Shared folder (if available) or the User folder which the program will always use in preference to the All Users folder when trying to locate a file.</source>
        <translation>Geänderte Dateien gehören in den gemeinsamen Ordner (falls vorhanden) oder in den Benutzerordner, die das Programm bei der Suche nach einer Datei stets dem Ordner „Alle Benutzer“ vorzieht.</translation>
    </message>
    <message>
        <source>The File Open and Save dialogs offer the following shortcut icons for quick access to the relevant folders:</source>
        <translation>Die Dialoge zum Öffnen und Speichern bieten diese Symbole für den schnellen Zugriff auf die Ordner:</translation>
    </message>
    <message>
        <source>Shared folder</source>
        <translation>Gemeinsamer Ordner</translation>
    </message>
    <message>
        <source>All Users</source>
        <translation>Alle Benutzer</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Import Veldra 3.x</source>
        <translation>&amp;Veldra 3.x importieren</translation>
    </message>
    <message>
        <source>Import &amp;Palette…</source>
        <translation>&amp;Palette importieren…</translation>
    </message>
    <message>
        <source>&amp;Export Palette…</source>
        <translation>Palette &amp;exportieren…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Select Palette</source>
        <translation>Palette &amp;auswählen</translation>
    </message>
    <message>
        <source>&amp;Add Palette</source>
        <translation>Palette hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Palette</source>
        <translation>Palette &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Rename Palette</source>
        <translation>Palette &amp;umbenennen</translation>
    </message>
    <message>
        <source>&amp;Copy Colour</source>
        <translation>Farbe &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Colour</source>
        <translation>Farbe &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tintora</source>
        <translation>Über &amp;Tintora</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Normal Vision</source>
        <translation>&amp;Normales Sehen</translation>
    </message>
    <message>
        <source>&amp;Protanopia</source>
        <translation>&amp;Protanopie</translation>
    </message>
    <message>
        <source>&amp;Deuteranopia</source>
        <translation>&amp;Deuteranopie</translation>
    </message>
    <message>
        <source>&amp;Tritanopia</source>
        <translation>&amp;Tritanopie</translation>
    </message>
    <message>
        <source>&amp;Mark Low-Contrast Pens</source>
        <translation>Stifte mit geringem &amp;Kontrast markieren</translation>
    </message>
    <message>
        <source>Derive Dar&amp;k Colours</source>
        <translation>&amp;Dunkle Farben ableiten</translation>
    </message>
    <message>
        <source>Derive &amp;Light Colours</source>
        <translation>&amp;Helle Farben ableiten</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>a new palette file</source>
        <translation>eine neue Palettendatei</translation>
    </message>
    <message>
        <source>Pen %d – Light Background</source>
        <translation>Stift %d – heller Hintergrund</translation>
    </message>
    <message>
        <source>Pen %d – Dark Background</source>
        <translation>Stift %d – dunkler Hintergrund</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>RIFF palette (*.pal)</source>
        <translation>RIFF-Palette (*.pal)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Tintora Help&lt;/h1&gt;&lt;p&gt;The help pages are not installed: there is no file &lt;code&gt;%1&lt;/code&gt;.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Tintora-Hilfe&lt;/h1&gt;&lt;p&gt;Die Hilfeseiten sind nicht installiert: Die Datei &lt;code&gt;%1&lt;/code&gt; fehlt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Main pens</source>
        <translation>Hauptstifte</translation>
    </message>
    <message>
        <source>Secondary pens</source>
        <translation>Nebenstifte</translation>
    </message>
    <message>
        <source>Standard pens</source>
        <translation>Standardstifte</translation>
    </message>
    <message>
        <source>%1, low contrast</source>
        <translation>%1, geringer Kontrast</translation>
    </message>
    <message>
        <source>Derive Dark Colours</source>
        <translation>Dunkle Farben ableiten</translation>
    </message>
    <message>
        <source>Derive Light Colours</source>
        <translation>Helle Farben ableiten</translation>
    </message>
    <message>
        <source>A save of this palette file was interrupted. The file has been put back as it was before that save.</source>
        <translation>Das Speichern dieser Palettendatei wurde unterbrochen. Die Datei wurde auf den Stand vor diesem Speichern zurückgesetzt.</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End and pen numbers select a pen; Space or Enter changes its colour, Shift+Space or Shift+Enter the marker pen&apos;s</source>
        <translation>Pfeiltasten, Pos1, Ende und Stiftnummern wählen einen Stift; Leertaste oder Eingabetaste ändert seine Farbe, Umschalt+Leertaste oder Umschalt+Eingabetaste die des Markierstifts</translation>
    </message>
    <message>
        <source>Pen under the pointer</source>
        <translation>Stift unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Colour under the pointer</source>
        <translation>Farbe unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Palettes of other tools (*.gpl;*.hex;*.json;*.css;*.ase;*.aco;*.pal)</source>
        <translation>Paletten anderer Programme (*.gpl;*.hex;*.json;*.css;*.ase;*.aco;*.pal)</translation>
    </message>
    <message>
        <source>Photoshop swatches (*.aco)</source>
        <translation>Photoshop-Farbfelder (*.aco)</translation>
    </message>
    <message>
        <source>JASC, RIFF or Tintora palettes (*.pal)</source>
        <translation>JASC-, RIFF- oder Tintora-Paletten (*.pal)</translation>
    </message>
    <message>
        <source>JASC palette (*.pal)</source>
        <translation>JASC-Palette (*.pal)</translation>
    </message>
    <message>
        <source>the file names no palette</source>
        <translation>die Datei nennt keine Palette</translation>
    </message>
    <message>
        <source>the file names too many palettes</source>
        <translation>die Datei nennt zu viele Paletten</translation>
    </message>
    <message>
        <source>the file&apos;s extension names no palette format Tintora reads</source>
        <translation>die Dateiendung nennt kein Palettenformat, das Tintora lesen kann</translation>
    </message>
    <message>
        <source>Marker Pen – Light Background</source>
        <translation>Markierstift – heller Hintergrund</translation>
    </message>
    <message>
        <source>Marker Pen – Dark Background</source>
        <translation>Markierstift – dunkler Hintergrund</translation>
    </message>
    <message>
        <source>Tintora was closed with unsaved changes to %1 on %2.

Recover them?</source>
        <translation>Tintora wurde mit ungespeicherten Änderungen an %1 am %2 geschlossen.

Änderungen wiederherstellen?</translation>
    </message>
    <message>
        <source>The recovered palettes could not be read.</source>
        <translation>Die wiederhergestellten Paletten konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verweis</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Verweis: %1</translation>
    </message>
</context>
</TS>
