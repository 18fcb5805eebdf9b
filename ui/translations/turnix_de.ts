<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>turnix::CameraSource</name>
    <message>
        <source>No camera was found. Connect a webcam, or read the cube from six photos instead (File ▸ Read Cube from Photos…).</source>
        <translation>Es wurde keine Kamera gefunden. Schließen Sie eine Webcam an oder lesen Sie den Würfel stattdessen aus sechs Fotos ein (Datei ▸ Würfel aus Fotos lesen…).</translation>
    </message>
    <message>
        <source>The camera cannot be used: Qt Multimedia has no camera back-end on this system (on Debian, install gstreamer1.0-plugins-good).</source>
        <translation>Die Kamera kann nicht verwendet werden: Qt Multimedia hat auf diesem System kein Kamera-Backend (unter Debian gstreamer1.0-plugins-good installieren).</translation>
    </message>
    <message>
        <source>The camera stopped: %1</source>
        <translation>Die Kamera wurde angehalten: %1</translation>
    </message>
</context>
<context>
    <name>turnix::CameraView</name>
    <message>
        <source>Starting the camera…</source>
        <translation>Kamera wird gestartet…</translation>
    </message>
</context>
<context>
    <name>turnix::ColorPalette</name>
    <message>
        <source>Colour %1: %2</source>
        <translation>Farbe %1: %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <source>Key %1 paints with this colour</source>
        <translation>Taste %1 malt mit dieser Farbe</translation>
    </message>
</context>
<context>
    <name>turnix::CoreTexts</name>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Hinten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top Side</source>
        <translation>Oberseite</translation>
    </message>
    <message>
        <source>Bottom Side</source>
        <translation>Unterseite</translation>
    </message>
    <message>
        <source>Front Side</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>Back Side</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>Left Side</source>
        <translation>Linke Seite</translation>
    </message>
    <message>
        <source>Right Side</source>
        <translation>Rechte Seite</translation>
    </message>
    <message>
        <source>Turn front side clockwise</source>
        <translation>Vorderseite im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn front side counterclockwise</source>
        <translation>Vorderseite gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn front side twice</source>
        <translation>Vorderseite zweimal drehen</translation>
    </message>
    <message>
        <source>Turn left side clockwise</source>
        <translation>Linke Seite im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn left side counterclockwise</source>
        <translation>Linke Seite gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn left side twice</source>
        <translation>Linke Seite zweimal drehen</translation>
    </message>
    <message>
        <source>Turn back side clockwise</source>
        <translation>Rückseite im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn back side counterclockwise</source>
        <translation>Rückseite gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn back side twice</source>
        <translation>Rückseite zweimal drehen</translation>
    </message>
    <message>
        <source>Turn right side clockwise</source>
        <translation>Rechte Seite im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn right side counterclockwise</source>
        <translation>Rechte Seite gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn right side twice</source>
        <translation>Rechte Seite zweimal drehen</translation>
    </message>
    <message>
        <source>Turn top side clockwise</source>
        <translation>Oberseite im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn top side counterclockwise</source>
        <translation>Oberseite gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn top side twice</source>
        <translation>Oberseite zweimal drehen</translation>
    </message>
    <message>
        <source>Turn bottom side clockwise</source>
        <translation>Unterseite im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn bottom side counterclockwise</source>
        <translation>Unterseite gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn bottom side twice</source>
        <translation>Unterseite zweimal drehen</translation>
    </message>
    <message>
        <source>Rotate cube up (front side becomes top side)</source>
        <translation>Würfel nach oben kippen (Vorderseite wird Oberseite)</translation>
    </message>
    <message>
        <source>Rotate cube down (front side becomes bottom side)</source>
        <translation>Würfel nach unten kippen (Vorderseite wird Unterseite)</translation>
    </message>
    <message>
        <source>Rotate cube left (front side becomes left side)</source>
        <translation>Würfel nach links drehen (Vorderseite wird linke Seite)</translation>
    </message>
    <message>
        <source>Rotate cube right (front side becomes right side)</source>
        <translation>Würfel nach rechts drehen (Vorderseite wird rechte Seite)</translation>
    </message>
    <message>
        <source>Top edges</source>
        <translation>Obere Kanten</translation>
    </message>
    <message>
        <source>Top corners</source>
        <translation>Obere Ecken</translation>
    </message>
    <message>
        <source>Middle edges</source>
        <translation>Mittlere Kanten</translation>
    </message>
    <message>
        <source>Bottom corners</source>
        <translation>Untere Ecken</translation>
    </message>
    <message>
        <source>Bottom edges</source>
        <translation>Untere Kanten</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>counterclockwise</source>
        <translation>gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>zweimal</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 is a folder, not an image</source>
        <translation>%1 ist ein Ordner, kein Bild</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>%1 is too large (%2)</source>
        <translation>%1 ist zu groß (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 is not an image</source>
        <translation>%1 ist kein Bild</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 ist unvollständig</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 ist beschädigt</translation>
    </message>
    <message>
        <source>no 3×3 grid found in %1</source>
        <translation>kein 3×3-Gitter in %1 gefunden</translation>
    </message>
    <message>
        <source>A cube is read from six photos, one of each side; 1 was given.</source>
        <translation>Ein Würfel wird aus sechs Fotos gelesen, eines von jeder Seite; angegeben wurde 1.</translation>
    </message>
    <message>
        <source>A cube is read from six photos, one of each side; %1 were given.</source>
        <translation>Ein Würfel wird aus sechs Fotos gelesen, eines von jeder Seite; angegeben wurden %1.</translation>
    </message>
    <message>
        <source>Photo %1 gives no colour for square %2.</source>
        <translation>Foto %1 liefert keine Farbe für Feld %2.</translation>
    </message>
    <message>
        <source>Photos %1 and %2 show the same side: their centres have one colour. Each photo must show a different side.</source>
        <translation>Die Fotos %1 und %2 zeigen dieselbe Seite: Ihre Mittelfelder haben eine Farbe. Jedes Foto muss eine andere Seite zeigen.</translation>
    </message>
    <message>
        <source>position %1: %2 is not one of the letters U R F D L B</source>
        <translation>Stelle %1: %2 ist keiner der Buchstaben U R F D L B</translation>
    </message>
    <message>
        <source>a facelet string has 54 letters, this one has %1</source>
        <translation>eine Facelet-Zeichenkette hat 54 Buchstaben, diese hat %1</translation>
    </message>
    <message>
        <source>Invalid Cube Configuration</source>
        <translation>Ungültige Würfelkonfiguration</translation>
    </message>
    <message>
        <source>Cube is already complete</source>
        <translation>Der Würfel ist bereits gelöst</translation>
    </message>
</context>
<context>
    <name>turnix::CubeFiles</name>
    <message>
        <source>Cube File (*.cub)</source>
        <translation>Würfeldatei (*.cub)</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine normale Datei</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Konfiguration öffnen</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>Die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The file could not be opened.

%1: %2</source>
        <translation>Die Datei konnte nicht geöffnet werden.

%1: %2</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
</context>
<context>
    <name>turnix::CubeFrame</name>
    <message>
        <source>from behind</source>
        <translation>von hinten</translation>
    </message>
</context>
<context>
    <name>turnix::CubeView3D</name>
    <message>
        <source>3-D cube</source>
        <translation>3-D-Würfel</translation>
    </message>
    <message>
        <source>Drag to turn the view; double-click for the usual view</source>
        <translation>Ziehen dreht die Ansicht; Doppelklick zeigt die übliche Ansicht</translation>
    </message>
</context>
<context>
    <name>turnix::EditHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>turnix::EditWords</name>
    <message>
        <source>Pick Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Neue Konfiguration</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Konfiguration öffnen</translation>
    </message>
    <message>
        <source>Paste Facelets</source>
        <translation>Facelets einfügen</translation>
    </message>
    <message>
        <source>Read Cube</source>
        <translation>Würfel einlesen</translation>
    </message>
    <message>
        <source>Turn Back %1 Side</source>
        <translation>Seite %1 zurückdrehen</translation>
    </message>
    <message>
        <source>Change Square</source>
        <translation>Feld ändern</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>Gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Twice</source>
        <translation>Zweimal</translation>
    </message>
    <message>
        <source>Turn %1 Side %2</source>
        <translation>Seite %1 drehen: %2</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Rotate Cube %1</source>
        <translation>Würfel drehen: %1</translation>
    </message>
    <message>
        <source>Apply Turns</source>
        <translation>Drehungen anwenden</translation>
    </message>
</context>
<context>
    <name>turnix::EntryChecks</name>
    <message>
        <source>Turn It Back</source>
        <translation>Zurückdrehen</translation>
    </message>
    <message>
        <source>Turn the %1 side&apos;s outer squares back</source>
        <translation>Die äußeren Felder der Seite %1 zurückdrehen</translation>
    </message>
    <message>
        <source>1 square to check; it wears a ? in the net:</source>
        <translation>1 Feld zu prüfen; es trägt im Netz ein ?:</translation>
    </message>
    <message>
        <source>%1 squares to check; each wears a ? in the net:</source>
        <translation>%1 Felder zu prüfen; jedes trägt im Netz ein ?:</translation>
    </message>
    <message>
        <source>Make the %1 %2</source>
        <translation>%1: %2 setzen</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>top</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>unten links</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <source>%1 side, %2 square</source>
        <translation>Seite %1, Feld %2</translation>
    </message>
    <message>
        <source>the other colour</source>
        <translation>die andere Farbe</translation>
    </message>
</context>
<context>
    <name>turnix::FaceletClipboard</name>
    <message>
        <source>The cube cannot be copied as facelets: a square of the %1 side shows none of the six colours.</source>
        <translation>Der Würfel kann nicht als Facelets kopiert werden: Ein Feld der Seite %1 zeigt keine der sechs Farben.</translation>
    </message>
    <message>
        <source>The clipboard holds no facelet string.

</source>
        <translation>Die Zwischenablage enthält keine Facelet-Zeichenkette.

</translation>
    </message>
</context>
<context>
    <name>turnix::FileSavingWords</name>
    <message>
        <source>The file could not be saved.

%1: %2</source>
        <translation>Die Datei konnte nicht gespeichert werden.

%1: %2</translation>
    </message>
</context>
<context>
    <name>turnix::FindingTexts</name>
    <message>
        <source>The %1 colour</source>
        <translation>Die Farbe der Seite %1</translation>
    </message>
    <message>
        <source>%1 has 1 square; it should have 9.</source>
        <translation>%1 hat 1 Feld; es sollten 9 sein.</translation>
    </message>
    <message>
        <source>%1 has %2 squares; it should have 9.</source>
        <translation>%1 hat %2 Felder; es sollten 9 sein.</translation>
    </message>
    <message>
        <source>The corner at %1, %2, %3 shows three colours that no corner has.</source>
        <translation>Die Ecke bei %1, %2, %3 zeigt drei Farben, die keine Ecke hat.</translation>
    </message>
    <message>
        <source>The edge between %1 and %2 shows two colours that no edge has.</source>
        <translation>Die Kante zwischen %1 und %2 zeigt zwei Farben, die keine Kante hat.</translation>
    </message>
    <message>
        <source>The corner at %1, %2, %3 is also at %4, %5, %6.</source>
        <translation>Die Ecke bei %1, %2, %3 ist auch bei %4, %5, %6.</translation>
    </message>
    <message>
        <source>The edge between %1 and %2 is also between %3 and %4.</source>
        <translation>Die Kante zwischen %1 und %2 ist auch zwischen %3 und %4.</translation>
    </message>
    <message>
        <source>The centres do not show the six colours, one each.</source>
        <translation>Die Mittelfelder zeigen nicht die sechs Farben, jede einmal.</translation>
    </message>
    <message>
        <source>One square shows a colour that is on no centre.</source>
        <translation>Ein Feld zeigt eine Farbe, die auf keinem Mittelfeld ist.</translation>
    </message>
    <message>
        <source>%1 squares show colours that are on no centre.</source>
        <translation>%1 Felder zeigen Farben, die auf keinem Mittelfeld sind.</translation>
    </message>
    <message>
        <source>One corner is twisted in place.</source>
        <translation>Eine Ecke ist an ihrem Platz verdreht.</translation>
    </message>
    <message>
        <source>One edge is flipped.</source>
        <translation>Eine Kante ist gekippt.</translation>
    </message>
    <message>
        <source>Two pieces are swapped.</source>
        <translation>Zwei Steine sind vertauscht.</translation>
    </message>
    <message>
        <source>Ready to solve</source>
        <translation>Bereit zum Lösen</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned a quarter counterclockwise.</source>
        <translation>Die Seite %1 scheint um eine Vierteldrehung gegen den Uhrzeigersinn verdreht eingegeben.</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned half round.</source>
        <translation>Die Seite %1 scheint um eine halbe Drehung verdreht eingegeben.</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned a quarter clockwise.</source>
        <translation>Die Seite %1 scheint um eine Vierteldrehung im Uhrzeigersinn verdreht eingegeben.</translation>
    </message>
</context>
<context>
    <name>turnix::MainActions</name>
    <message>
        <source>&amp;Top</source>
        <translation>&amp;Oben</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>&amp;Unten</translation>
    </message>
    <message>
        <source>&amp;Front</source>
        <translation>&amp;Vorne</translation>
    </message>
    <message>
        <source>B&amp;ack</source>
        <translation>&amp;Hinten</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>&amp;Clockwise</source>
        <translation>&amp;Im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Co&amp;unterclockwise</source>
        <translation>&amp;Gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>&amp;Twice</source>
        <translation>&amp;Zweimal</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Configuration</source>
        <translation>&amp;Neue Konfiguration</translation>
    </message>
    <message>
        <source>&amp;Open Configuration</source>
        <translation>Konfiguration ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>Konfiguration &amp;speichern</translation>
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
        <source>&amp;Copy Facelets</source>
        <translation>Facelets &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste Facelets</source>
        <translation>Facelets &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Cube</source>
        <translation>&amp;Würfel</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>Solve in &amp;Fewest Turns</source>
        <translation>Mit &amp;wenigsten Zügen lösen</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Schritt &amp;zurück</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>&amp;Define Colors</source>
        <translation>&amp;Farben festlegen</translation>
    </message>
    <message>
        <source>&amp;Side</source>
        <translation>&amp;Seite</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About Turnix</source>
        <translation>&amp;Über Turnix</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Konfiguration öffnen</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Show %1 Side</source>
        <translation>Seite %1 anzeigen</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Schritt zurück</translation>
    </message>
    <message>
        <source>Apply &amp;Turns…</source>
        <translation>&amp;Drehungen anwenden…</translation>
    </message>
    <message>
        <source>Solve &amp;Optimally</source>
        <translation>&amp;Optimal lösen</translation>
    </message>
    <message>
        <source>&amp;Clear Steps</source>
        <translation>S&amp;chritte löschen</translation>
    </message>
</context>
<context>
    <name>turnix::MainControls</name>
    <message>
        <source>Front Side</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>Click to change color</source>
        <translation>Klicken, um die Farbe zu ändern</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Solution Steps</source>
        <translation>Lösungsschritte</translation>
    </message>
    <message>
        <source>One Step</source>
        <translation>Ein Schritt</translation>
    </message>
    <message>
        <source>Steps To Completion</source>
        <translation>Restliche Schritte</translation>
    </message>
    <message>
        <source>Previous Steps</source>
        <translation>Bisherige Schritte</translation>
    </message>
    <message>
        <source>Clear  Steps</source>
        <translation>Schritte löschen</translation>
    </message>
    <message>
        <source>Whole Cube</source>
        <translation>Ganzer Würfel</translation>
    </message>
    <message>
        <source>&amp;Whole Cube</source>
        <translation>&amp;Ganzer Würfel</translation>
    </message>
    <message>
        <source>Next turn: %1 (facing away), %2</source>
        <translation>Nächste Drehung: %1 (abgewandt), %2</translation>
    </message>
</context>
<context>
    <name>turnix::PhotoReadingController</name>
    <message>
        <source>Read Cube from &amp;Photos…</source>
        <translation>Würfel aus &amp;Fotos lesen…</translation>
    </message>
    <message>
        <source>Scan with &amp;Camera…</source>
        <translation>Mit &amp;Kamera erfassen…</translation>
    </message>
    <message>
        <source>Read Cube from Photos</source>
        <translation>Würfel aus Fotos lesen</translation>
    </message>
    <message>
        <source>Photos (*.jpg *.jpeg *.png *.bmp *.webp)</source>
        <translation>Fotos (*.jpg *.jpeg *.png *.bmp *.webp)</translation>
    </message>
    <message>
        <source>The cube could not be read from the photos.

</source>
        <translation>Der Würfel konnte nicht aus den Fotos gelesen werden.

</translation>
    </message>
</context>
<context>
    <name>turnix::PhotoReadingWords</name>
    <message>
        <source>Choose six photos, one of each side of the cube; 1 was chosen.</source>
        <translation>Wählen Sie sechs Fotos, eines von jeder Seite des Würfels; gewählt wurde 1.</translation>
    </message>
    <message>
        <source>Choose six photos, one of each side of the cube; %1 were chosen.</source>
        <translation>Wählen Sie sechs Fotos, eines von jeder Seite des Würfels; gewählt wurden %1.</translation>
    </message>
</context>
<context>
    <name>turnix::PrintingWords</name>
    <message>
        <source>No printer is installed, and no other output can be used.</source>
        <translation>Es ist kein Drucker installiert, und keine andere Ausgabe ist verwendbar.</translation>
    </message>
    <message>
        <source>The chosen printer cannot be used.</source>
        <translation>Der gewählte Drucker kann nicht verwendet werden.</translation>
    </message>
</context>
<context>
    <name>turnix::ProgramArguments</name>
    <message>
        <source>Solve a real 3x3x3 cube puzzle one step at a time: enter the colours of a scrambled cube, then replay the side turns that solve it.</source>
        <translation>Einen echten 3x3x3-Würfel Schritt für Schritt lösen: die Farben eines verdrehten Würfels eingeben, dann die Seitendrehungen nachvollziehen, die ihn lösen.</translation>
    </message>
    <message>
        <source>A cube configuration file to open.</source>
        <translation>Eine Würfelkonfigurationsdatei zum Öffnen.</translation>
    </message>
    <message>
        <source>Usage: %1 [FILE.cub]
Try &apos;%1 --help&apos;.
</source>
        <translation>Aufruf: %1 [DATEI.cub]
&apos;%1 --help&apos; zeigt mehr.
</translation>
    </message>
    <message>
        <source>one cube file at a time, not %1
</source>
        <translation>eine Würfeldatei auf einmal, nicht %1
</translation>
    </message>
</context>
<context>
    <name>turnix::RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Menü leeren</translation>
    </message>
</context>
<context>
    <name>turnix::SideLettersMenu</name>
    <message>
        <source>Show Side &amp;Letters</source>
        <translation>Seiten&amp;buchstaben anzeigen</translation>
    </message>
    <message>
        <source>Letters &amp;Name</source>
        <translation>Buchstaben &amp;nennen</translation>
    </message>
    <message>
        <source>The Colour&apos;s &amp;Side (U R F D L B)</source>
        <translation>Die &amp;Seite der Farbe (U R F D L B)</translation>
    </message>
    <message>
        <source>The Colour&apos;s &amp;Initial</source>
        <translation>Den &amp;Anfangsbuchstaben der Farbe</translation>
    </message>
</context>
<context>
    <name>turnix::SolutionStatusBar</name>
    <message>
        <source>Step %1 of %2 — next: %3</source>
        <translation>Schritt %1 von %2 — als Nächstes: %3</translation>
    </message>
    <message>
        <source>Solved in 1 step</source>
        <translation>In 1 Schritt gelöst</translation>
    </message>
    <message>
        <source>Solved in %1 steps</source>
        <translation>In %1 Schritten gelöst</translation>
    </message>
    <message>
        <source>Fewest turns</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Layer by layer</source>
        <translation>Schicht für Schicht</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Optimal</translation>
    </message>
</context>
<context>
    <name>turnix::SquareTexts</name>
    <message>
        <source>W</source>
        <comment>initial of White</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>initial of Yellow</comment>
        <translation>Ge</translation>
    </message>
    <message>
        <source>G</source>
        <comment>initial of Green</comment>
        <translation>Gr</translation>
    </message>
    <message>
        <source>B</source>
        <comment>initial of Blue</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>R</source>
        <comment>initial of Red</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>O</source>
        <comment>initial of Orange</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>keine Farbe</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Colour %1 of 6</source>
        <translation>Farbe %1 von 6</translation>
    </message>
    <message>
        <source>A colour the cube cannot have</source>
        <translation>Eine Farbe, die der Würfel nicht haben kann</translation>
    </message>
</context>
<context>
    <name>turnix::StepsPrinterWords</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>turnix::View3DController</name>
    <message>
        <source>3-D Cube</source>
        <translation>3-D-Würfel</translation>
    </message>
    <message>
        <source>&amp;3-D Cube</source>
        <translation>&amp;3-D-Würfel</translation>
    </message>
    <message>
        <source>Turn &amp;Speed</source>
        <translation>Dreh&amp;geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>Play the steps (Space)</source>
        <translation>Schritte abspielen (Leertaste)</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>No &amp;Animation</source>
        <translation>&amp;Keine Animation</translation>
    </message>
</context>
<context>
    <name>turnix::View3DPanel</name>
    <message>
        <source>Hold the cube with its front side facing you and its top side up</source>
        <translation>Halten Sie den Würfel mit der Vorderseite zu Ihnen und der Oberseite oben</translation>
    </message>
    <message>
        <source>Hold the cube with %1 facing you and %2 on top</source>
        <translation>Halten Sie den Würfel mit %1 zu Ihnen und %2 oben</translation>
    </message>
    <message>
        <source>Turn the %1 %2 (it faces away: see the view from behind)</source>
        <translation>%1 %2 drehen (sie ist abgewandt: siehe die Ansicht von hinten)</translation>
    </message>
</context>
<context>
    <name>turnix::frmAbout</name>
    <message>
        <source>This program is provided as is, without warranty of any kind. If you pass it on, please pass on the whole program together with its instructions.</source>
        <translation>Dieses Programm wird ohne jede Gewährleistung bereitgestellt. Wenn Sie es weitergeben, geben Sie bitte das ganze Programm mitsamt seiner Anleitung weiter.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Finds the turns that solve your scrambled 3×3×3 cube and shows them one step at a time.</source>
        <translation>Findet die Drehungen, die Ihren verdrehten 3×3×3-Würfel lösen, und zeigt sie Schritt für Schritt.</translation>
    </message>
</context>
<context>
    <name>turnix::frmApplyTurns</name>
    <message>
        <source>Apply Turns</source>
        <translation>Drehungen anwenden</translation>
    </message>
    <message>
        <source>&amp;Turns, such as a written scramble: U D F B L R, each alone, with &apos; or with 2; x y z turn the whole cube.</source>
        <translation>&amp;Drehungen, etwa ein aufgeschriebenes Verdrehen: U D F B L R, jeweils allein, mit &apos; oder mit 2; x y z drehen den ganzen Würfel.</translation>
    </message>
    <message>
        <source>R U2 F&apos; …</source>
        <translation>R U2 F&apos; …</translation>
    </message>
    <message>
        <source>“%1” at position %2 is not a turn. Nothing was applied.</source>
        <translation>„%1“ an Position %2 ist keine Drehung. Es wurde nichts angewendet.</translation>
    </message>
</context>
<context>
    <name>turnix::frmChooseReading</name>
    <message>
        <source>Choose the Cube</source>
        <translation>Würfel auswählen</translation>
    </message>
    <message>
        <source>More than one cube fits the photos. Choose the one that matches your cube: its squares that differ from the first are marked.</source>
        <translation>Mehr als ein Würfel passt zu den Fotos. Wählen Sie den, der zu Ihrem Würfel passt: Felder, die vom ersten abweichen, sind markiert.</translation>
    </message>
    <message>
        <source>Cube &amp;1 (likeliest)</source>
        <translation>Würfel &amp;1 (am wahrscheinlichsten)</translation>
    </message>
    <message>
        <source>Cube &amp;%1</source>
        <translation>Würfel &amp;%1</translation>
    </message>
</context>
<context>
    <name>turnix::frmDefineColors</name>
    <message>
        <source>Define Colors</source>
        <translation>Farben festlegen</translation>
    </message>
    <message>
        <source>Color %1:</source>
        <translation>Farbe %1:</translation>
    </message>
    <message>
        <source>Click to choose this color</source>
        <translation>Klicken, um diese Farbe zu wählen</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Standard Cube Colours</source>
        <translation>Übliche Würfelfarben</translation>
    </message>
    <message>
        <source>White on top, yellow below, green in front, blue behind, orange on the left and red on the right, as on cubes sold today</source>
        <translation>Weiß oben, Gelb unten, Grün vorne, Blau hinten, Orange links und Rot rechts, wie bei heute verkauften Würfeln</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Error: All colors must be unique</source>
        <translation>Fehler: Alle Farben müssen verschieden sein</translation>
    </message>
</context>
<context>
    <name>turnix::frmInstructions</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The instructions file &quot;%1&quot; cannot be opened.</source>
        <translation>Die Anleitungsdatei „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The instructions file &quot;%1&quot; is too large to show.</source>
        <translation>Die Anleitungsdatei „%1“ ist zu groß zum Anzeigen.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
</context>
<context>
    <name>turnix::frmOptimalProgress</name>
    <message>
        <source>Solve Optimally</source>
        <translation>Optimal lösen</translation>
    </message>
    <message>
        <source>Loading the table…</source>
        <translation>Tabelle wird geladen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Making the table, once: %1%</source>
        <translation>Tabelle wird einmalig erstellt: %1 %</translation>
    </message>
    <message>
        <source>depth %1 searched</source>
        <translation>Tiefe %1 durchsucht</translation>
    </message>
    <message>
        <source>%1, best %2 so far</source>
        <translation>%1, bisher beste %2</translation>
    </message>
    <message>
        <source> — stopping…</source>
        <translation> — wird angehalten…</translation>
    </message>
    <message>
        <source>The optimal solver needs %1 MB of memory for its table, and only %2 MB are free.

Solve in fewest turns instead?</source>
        <translation>Der optimale Löser braucht %1 MB Speicher für seine Tabelle, frei sind nur %2 MB.

Stattdessen mit den wenigsten Zügen lösen?</translation>
    </message>
</context>
<context>
    <name>turnix::frmPickColor</name>
    <message>
        <source>Pick a Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Click to select, double-click to choose at once</source>
        <translation>Klicken zum Auswählen, Doppelklick zum sofortigen Übernehmen</translation>
    </message>
    <message>
        <source>Color %1</source>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Aktuelle Farbe:</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Aktuelle Farbe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>turnix::frmScanCamera</name>
    <message>
        <source>Scan with Camera</source>
        <translation>Mit Kamera erfassen</translation>
    </message>
    <message>
        <source>How to hold the cube</source>
        <translation>So halten Sie den Würfel</translation>
    </message>
    <message>
        <source>Hold one side of the cube square to the camera, filling about a third of the picture, and keep it still until its grid turns green. Then turn the cube to show the next side. The sides may come in any order and any way up; the first becomes the front, its top edge the top.</source>
        <translation>Halten Sie eine Seite des Würfels gerade vor die Kamera, sodass sie etwa ein Drittel des Bildes füllt, und halten Sie ihn still, bis sein Gitter grün wird. Drehen Sie den Würfel dann zur nächsten Seite. Die Seiten dürfen in beliebiger Reihenfolge und Lage kommen; die erste wird die Vorderseite, ihre obere Kante oben.</translation>
    </message>
    <message>
        <source>&amp;Start Over</source>
        <translation>&amp;Neu beginnen</translation>
    </message>
    <message>
        <source>&amp;Use This Cube</source>
        <translation>Diesen Würfel &amp;verwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>All six sides taken. Choose Use This Cube.</source>
        <translation>Alle sechs Seiten erfasst. Wählen Sie „Diesen Würfel verwenden“.</translation>
    </message>
    <message>
        <source>%1 of 6 sides taken.</source>
        <translation>%1 von 6 Seiten erfasst.</translation>
    </message>
    <message>
        <source> That side was taken already: show another.</source>
        <translation> Diese Seite wurde schon erfasst: zeigen Sie eine andere.</translation>
    </message>
    <message>
        <source> Choose Start Over and show the sides again.</source>
        <translation> Wählen Sie „Neu beginnen“ und zeigen Sie die Seiten erneut.</translation>
    </message>
</context>
<context>
    <name>turnix::frmSolutionSteps</name>
    <message>
        <source>Solution Steps</source>
        <translation>Lösungsschritte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save Completion Steps</source>
        <translation>Lösungsschritte speichern</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>The printer or the output file could not be written.</source>
        <translation>Der Drucker oder die Ausgabedatei konnte nicht beschrieben werden.</translation>
    </message>
    <message>
        <source>The steps could not be printed.</source>
        <translation>Die Schritte konnten nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>turnix::frmTurnix</name>
    <message>
        <source>Steps to Completion</source>
        <translation>Restliche Schritte</translation>
    </message>
    <message>
        <source>Previous Steps</source>
        <translation>Bisherige Schritte</translation>
    </message>
</context>
</TS>
