<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>turnix::CameraSource</name>
    <message>
        <source>No camera was found. Connect a webcam, or read the cube from six photos instead (File ▸ Read Cube from Photos…).</source>
        <translation>Aucune caméra trouvée. Branchez une webcam, ou lisez plutôt le cube depuis six photos (Fichier ▸ Lire le cube depuis des photos…).</translation>
    </message>
    <message>
        <source>The camera cannot be used: Qt Multimedia has no camera back-end on this system (on Debian, install gstreamer1.0-plugins-good).</source>
        <translation>La caméra est inutilisable : Qt Multimedia n’a pas de module caméra sur ce système (sous Debian, installez gstreamer1.0-plugins-good).</translation>
    </message>
    <message>
        <source>The camera stopped: %1</source>
        <translation>La caméra s’est arrêtée : %1</translation>
    </message>
</context>
<context>
    <name>turnix::CameraView</name>
    <message>
        <source>Starting the camera…</source>
        <translation>Démarrage de la caméra…</translation>
    </message>
</context>
<context>
    <name>turnix::ColorPalette</name>
    <message>
        <source>Colour %1: %2</source>
        <translation>Couleur %1 : %2</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, sélectionnée</translation>
    </message>
    <message>
        <source>Key %1 paints with this colour</source>
        <translation>La touche %1 peint avec cette couleur</translation>
    </message>
</context>
<context>
    <name>turnix::CoreTexts</name>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Top Side</source>
        <translation>Face du haut</translation>
    </message>
    <message>
        <source>Bottom Side</source>
        <translation>Face du bas</translation>
    </message>
    <message>
        <source>Front Side</source>
        <translation>Face avant</translation>
    </message>
    <message>
        <source>Back Side</source>
        <translation>Face arrière</translation>
    </message>
    <message>
        <source>Left Side</source>
        <translation>Face gauche</translation>
    </message>
    <message>
        <source>Right Side</source>
        <translation>Face droite</translation>
    </message>
    <message>
        <source>Turn front side clockwise</source>
        <translation>Tourner la face avant dans le sens horaire</translation>
    </message>
    <message>
        <source>Turn front side counterclockwise</source>
        <translation>Tourner la face avant dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn front side twice</source>
        <translation>Tourner la face avant deux fois</translation>
    </message>
    <message>
        <source>Turn left side clockwise</source>
        <translation>Tourner la face gauche dans le sens horaire</translation>
    </message>
    <message>
        <source>Turn left side counterclockwise</source>
        <translation>Tourner la face gauche dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn left side twice</source>
        <translation>Tourner la face gauche deux fois</translation>
    </message>
    <message>
        <source>Turn back side clockwise</source>
        <translation>Tourner la face arrière dans le sens horaire</translation>
    </message>
    <message>
        <source>Turn back side counterclockwise</source>
        <translation>Tourner la face arrière dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn back side twice</source>
        <translation>Tourner la face arrière deux fois</translation>
    </message>
    <message>
        <source>Turn right side clockwise</source>
        <translation>Tourner la face droite dans le sens horaire</translation>
    </message>
    <message>
        <source>Turn right side counterclockwise</source>
        <translation>Tourner la face droite dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn right side twice</source>
        <translation>Tourner la face droite deux fois</translation>
    </message>
    <message>
        <source>Turn top side clockwise</source>
        <translation>Tourner la face du haut dans le sens horaire</translation>
    </message>
    <message>
        <source>Turn top side counterclockwise</source>
        <translation>Tourner la face du haut dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn top side twice</source>
        <translation>Tourner la face du haut deux fois</translation>
    </message>
    <message>
        <source>Turn bottom side clockwise</source>
        <translation>Tourner la face du bas dans le sens horaire</translation>
    </message>
    <message>
        <source>Turn bottom side counterclockwise</source>
        <translation>Tourner la face du bas dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn bottom side twice</source>
        <translation>Tourner la face du bas deux fois</translation>
    </message>
    <message>
        <source>Rotate cube up (front side becomes top side)</source>
        <translation>Basculer le cube vers le haut (la face avant devient la face du haut)</translation>
    </message>
    <message>
        <source>Rotate cube down (front side becomes bottom side)</source>
        <translation>Basculer le cube vers le bas (la face avant devient la face du bas)</translation>
    </message>
    <message>
        <source>Rotate cube left (front side becomes left side)</source>
        <translation>Pivoter le cube vers la gauche (la face avant devient la face gauche)</translation>
    </message>
    <message>
        <source>Rotate cube right (front side becomes right side)</source>
        <translation>Pivoter le cube vers la droite (la face avant devient la face droite)</translation>
    </message>
    <message>
        <source>Top edges</source>
        <translation>Arêtes du haut</translation>
    </message>
    <message>
        <source>Top corners</source>
        <translation>Coins du haut</translation>
    </message>
    <message>
        <source>Middle edges</source>
        <translation>Arêtes du milieu</translation>
    </message>
    <message>
        <source>Bottom corners</source>
        <translation>Coins du bas</translation>
    </message>
    <message>
        <source>Bottom edges</source>
        <translation>Arêtes du bas</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>clockwise</source>
        <translation>dans le sens horaire</translation>
    </message>
    <message>
        <source>counterclockwise</source>
        <translation>dans le sens antihoraire</translation>
    </message>
    <message>
        <source>twice</source>
        <translation>deux fois</translation>
    </message>
    <message>
        <source>%1 cannot be opened</source>
        <translation>%1 ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>%1 is a folder, not an image</source>
        <translation>%1 est un dossier, pas une image</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 n’est pas un fichier</translation>
    </message>
    <message>
        <source>%1 is too large (%2)</source>
        <translation>%1 est trop volumineux (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1 is not an image</source>
        <translation>%1 n’est pas une image</translation>
    </message>
    <message>
        <source>%1 is cut short</source>
        <translation>%1 est tronqué</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 est endommagé</translation>
    </message>
    <message>
        <source>no 3×3 grid found in %1</source>
        <translation>aucune grille 3×3 trouvée dans %1</translation>
    </message>
    <message>
        <source>A cube is read from six photos, one of each side; 1 was given.</source>
        <translation>Un cube se lit à partir de six photos, une par face ; 1 a été fournie.</translation>
    </message>
    <message>
        <source>A cube is read from six photos, one of each side; %1 were given.</source>
        <translation>Un cube se lit à partir de six photos, une par face ; %1 ont été fournies.</translation>
    </message>
    <message>
        <source>Photo %1 gives no colour for square %2.</source>
        <translation>La photo %1 ne donne aucune couleur pour la case %2.</translation>
    </message>
    <message>
        <source>Photos %1 and %2 show the same side: their centres have one colour. Each photo must show a different side.</source>
        <translation>Les photos %1 et %2 montrent la même face : leurs centres ont la même couleur. Chaque photo doit montrer une face différente.</translation>
    </message>
    <message>
        <source>position %1: %2 is not one of the letters U R F D L B</source>
        <translation>position %1 : %2 n’est pas l’une des lettres U R F D L B</translation>
    </message>
    <message>
        <source>a facelet string has 54 letters, this one has %1</source>
        <translation>une chaîne de facettes a 54 lettres, celle-ci en a %1</translation>
    </message>
    <message>
        <source>Invalid Cube Configuration</source>
        <translation>Configuration de cube invalide</translation>
    </message>
    <message>
        <source>Cube is already complete</source>
        <translation>Le cube est déjà résolu</translation>
    </message>
</context>
<context>
    <name>turnix::CubeFiles</name>
    <message>
        <source>Cube File (*.cub)</source>
        <translation>Fichier de cube (*.cub)</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>C’est un dossier</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Ouvrir une configuration</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>Impossible de lire le fichier</translation>
    </message>
    <message>
        <source>The file could not be opened.

%1: %2</source>
        <translation>Le fichier n’a pas pu être ouvert.

%1 : %2</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Enregistrer la configuration</translation>
    </message>
</context>
<context>
    <name>turnix::CubeFrame</name>
    <message>
        <source>from behind</source>
        <translation>vu de derrière</translation>
    </message>
</context>
<context>
    <name>turnix::CubeView3D</name>
    <message>
        <source>3-D cube</source>
        <translation>Cube en 3D</translation>
    </message>
    <message>
        <source>Drag to turn the view; double-click for the usual view</source>
        <translation>Faire glisser pour tourner la vue ; double-cliquer pour la vue habituelle</translation>
    </message>
</context>
<context>
    <name>turnix::EditHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>turnix::EditWords</name>
    <message>
        <source>Pick Color</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Peindre</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nouvelle configuration</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Ouvrir une configuration</translation>
    </message>
    <message>
        <source>Paste Facelets</source>
        <translation>Coller les facettes</translation>
    </message>
    <message>
        <source>Read Cube</source>
        <translation>Lire le cube</translation>
    </message>
    <message>
        <source>Turn Back %1 Side</source>
        <translation>Retourner la face %1</translation>
    </message>
    <message>
        <source>Change Square</source>
        <translation>Changer la case</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sens horaire</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>Sens antihoraire</translation>
    </message>
    <message>
        <source>Twice</source>
        <translation>Deux fois</translation>
    </message>
    <message>
        <source>Turn %1 Side %2</source>
        <translation>Tourner la face %1 : %2</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vers la gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Vers la droite</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Vers le bas</translation>
    </message>
    <message>
        <source>Rotate Cube %1</source>
        <translation>Tourner le cube : %1</translation>
    </message>
    <message>
        <source>Apply Turns</source>
        <translation>Appliquer des mouvements</translation>
    </message>
</context>
<context>
    <name>turnix::EntryChecks</name>
    <message>
        <source>Turn It Back</source>
        <translation>La retourner</translation>
    </message>
    <message>
        <source>Turn the %1 side&apos;s outer squares back</source>
        <translation>Retourner les cases extérieures de la face %1</translation>
    </message>
    <message>
        <source>1 square to check; it wears a ? in the net:</source>
        <translation>1 case à vérifier ; elle porte un ? dans le patron :</translation>
    </message>
    <message>
        <source>%1 squares to check; each wears a ? in the net:</source>
        <translation>%1 cases à vérifier ; chacune porte un ? dans le patron :</translation>
    </message>
    <message>
        <source>Make the %1 %2</source>
        <translation>Mettre la %1 en %2</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>en haut à gauche</translation>
    </message>
    <message>
        <source>top</source>
        <translation>en haut</translation>
    </message>
    <message>
        <source>top right</source>
        <translation>en haut à droite</translation>
    </message>
    <message>
        <source>left</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>au centre</translation>
    </message>
    <message>
        <source>right</source>
        <translation>à droite</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>en bas à gauche</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>en bas</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>en bas à droite</translation>
    </message>
    <message>
        <source>%1 side, %2 square</source>
        <translation>face %1, case %2</translation>
    </message>
    <message>
        <source>the other colour</source>
        <translation>l’autre couleur</translation>
    </message>
</context>
<context>
    <name>turnix::FaceletClipboard</name>
    <message>
        <source>The cube cannot be copied as facelets: a square of the %1 side shows none of the six colours.</source>
        <translation>Le cube ne peut pas être copié en facettes : une case de la face %1 ne montre aucune des six couleurs.</translation>
    </message>
    <message>
        <source>The clipboard holds no facelet string.

</source>
        <translation>Le presse-papiers ne contient aucune chaîne de facettes.

</translation>
    </message>
</context>
<context>
    <name>turnix::FileSavingWords</name>
    <message>
        <source>The file could not be saved.

%1: %2</source>
        <translation>Le fichier n’a pas pu être enregistré.

%1 : %2</translation>
    </message>
</context>
<context>
    <name>turnix::FindingTexts</name>
    <message>
        <source>The %1 colour</source>
        <translation>La couleur de la face %1</translation>
    </message>
    <message>
        <source>%1 has 1 square; it should have 9.</source>
        <translation>%1 : 1 case ; il en faut 9.</translation>
    </message>
    <message>
        <source>%1 has %2 squares; it should have 9.</source>
        <translation>%1 : %2 cases ; il en faut 9.</translation>
    </message>
    <message>
        <source>The corner at %1, %2, %3 shows three colours that no corner has.</source>
        <translation>Le coin en %1, %2, %3 montre trois couleurs qu’aucun coin ne porte.</translation>
    </message>
    <message>
        <source>The edge between %1 and %2 shows two colours that no edge has.</source>
        <translation>L’arête entre %1 et %2 montre deux couleurs qu’aucune arête ne porte.</translation>
    </message>
    <message>
        <source>The corner at %1, %2, %3 is also at %4, %5, %6.</source>
        <translation>Le coin en %1, %2, %3 est aussi en %4, %5, %6.</translation>
    </message>
    <message>
        <source>The edge between %1 and %2 is also between %3 and %4.</source>
        <translation>L’arête entre %1 et %2 est aussi entre %3 et %4.</translation>
    </message>
    <message>
        <source>The centres do not show the six colours, one each.</source>
        <translation>Les centres ne montrent pas les six couleurs, une chacun.</translation>
    </message>
    <message>
        <source>One square shows a colour that is on no centre.</source>
        <translation>Une case montre une couleur qui n’est sur aucun centre.</translation>
    </message>
    <message>
        <source>%1 squares show colours that are on no centre.</source>
        <translation>%1 cases montrent des couleurs qui ne sont sur aucun centre.</translation>
    </message>
    <message>
        <source>One corner is twisted in place.</source>
        <translation>Un coin est tourné sur place.</translation>
    </message>
    <message>
        <source>One edge is flipped.</source>
        <translation>Une arête est retournée.</translation>
    </message>
    <message>
        <source>Two pieces are swapped.</source>
        <translation>Deux pièces sont échangées.</translation>
    </message>
    <message>
        <source>Ready to solve</source>
        <translation>Prêt à résoudre</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned a quarter counterclockwise.</source>
        <translation>La face %1 semble saisie tournée d’un quart de tour dans le sens antihoraire.</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned half round.</source>
        <translation>La face %1 semble saisie tournée d’un demi-tour.</translation>
    </message>
    <message>
        <source>The %1 side looks entered turned a quarter clockwise.</source>
        <translation>La face %1 semble saisie tournée d’un quart de tour dans le sens horaire.</translation>
    </message>
</context>
<context>
    <name>turnix::MainActions</name>
    <message>
        <source>&amp;Top</source>
        <translation>&amp;Haut</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>&amp;Bas</translation>
    </message>
    <message>
        <source>&amp;Front</source>
        <translation>A&amp;vant</translation>
    </message>
    <message>
        <source>B&amp;ack</source>
        <translation>A&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Gauche</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Droite</translation>
    </message>
    <message>
        <source>&amp;Clockwise</source>
        <translation>Sens &amp;horaire</translation>
    </message>
    <message>
        <source>Co&amp;unterclockwise</source>
        <translation>Sens &amp;antihoraire</translation>
    </message>
    <message>
        <source>&amp;Twice</source>
        <translation>&amp;Deux fois</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Vers le &amp;haut</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Vers le &amp;bas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Configuration</source>
        <translation>&amp;Nouvelle configuration</translation>
    </message>
    <message>
        <source>&amp;Open Configuration</source>
        <translation>&amp;Ouvrir une configuration</translation>
    </message>
    <message>
        <source>&amp;Save Configuration</source>
        <translation>&amp;Enregistrer la configuration</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Copy Facelets</source>
        <translation>&amp;Copier les facettes</translation>
    </message>
    <message>
        <source>&amp;Paste Facelets</source>
        <translation>Co&amp;ller les facettes</translation>
    </message>
    <message>
        <source>&amp;Cube</source>
        <translation>&amp;Cube</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Résoudre</translation>
    </message>
    <message>
        <source>Solve in &amp;Fewest Turns</source>
        <translation>Résoudre en &amp;moins de mouvements</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Étape &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Rotate</source>
        <translation>&amp;Pivoter</translation>
    </message>
    <message>
        <source>&amp;Define Colors</source>
        <translation>&amp;Définir les couleurs</translation>
    </message>
    <message>
        <source>&amp;Side</source>
        <translation>&amp;Face</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Turn</source>
        <translation>&amp;Tourner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instructions</translation>
    </message>
    <message>
        <source>&amp;About Turnix</source>
        <translation>À &amp;propos de Turnix</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Ouvrir une configuration</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Enregistrer la configuration</translation>
    </message>
    <message>
        <source>Show %1 Side</source>
        <translation>Afficher la face %1</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Step Back</source>
        <translation>Étape précédente</translation>
    </message>
    <message>
        <source>Apply &amp;Turns…</source>
        <translation>Appliquer des &amp;mouvements…</translation>
    </message>
    <message>
        <source>Solve &amp;Optimally</source>
        <translation>Résoudre de façon &amp;optimale</translation>
    </message>
    <message>
        <source>&amp;Clear Steps</source>
        <translation>E&amp;ffacer les étapes</translation>
    </message>
</context>
<context>
    <name>turnix::MainControls</name>
    <message>
        <source>Front Side</source>
        <translation>Face avant</translation>
    </message>
    <message>
        <source>Click to change color</source>
        <translation>Cliquer pour changer la couleur</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Solution Steps</source>
        <translation>Étapes de la solution</translation>
    </message>
    <message>
        <source>One Step</source>
        <translation>Une étape</translation>
    </message>
    <message>
        <source>Steps To Completion</source>
        <translation>Étapes restantes</translation>
    </message>
    <message>
        <source>Previous Steps</source>
        <translation>Étapes précédentes</translation>
    </message>
    <message>
        <source>Clear  Steps</source>
        <translation>Effacer les étapes</translation>
    </message>
    <message>
        <source>Whole Cube</source>
        <translation>Cube entier</translation>
    </message>
    <message>
        <source>&amp;Whole Cube</source>
        <translation>Cube &amp;entier</translation>
    </message>
    <message>
        <source>Next turn: %1 (facing away), %2</source>
        <translation>Prochain mouvement : %1 (face cachée), %2</translation>
    </message>
</context>
<context>
    <name>turnix::PhotoReadingController</name>
    <message>
        <source>Read Cube from &amp;Photos…</source>
        <translation>Lire le cube depuis des &amp;photos…</translation>
    </message>
    <message>
        <source>Scan with &amp;Camera…</source>
        <translation>Scanner avec la &amp;caméra…</translation>
    </message>
    <message>
        <source>Read Cube from Photos</source>
        <translation>Lire le cube depuis des photos</translation>
    </message>
    <message>
        <source>Photos (*.jpg *.jpeg *.png *.bmp *.webp)</source>
        <translation>Photos (*.jpg *.jpeg *.png *.bmp *.webp)</translation>
    </message>
    <message>
        <source>The cube could not be read from the photos.

</source>
        <translation>Le cube n’a pas pu être lu depuis les photos.

</translation>
    </message>
</context>
<context>
    <name>turnix::PhotoReadingWords</name>
    <message>
        <source>Choose six photos, one of each side of the cube; 1 was chosen.</source>
        <translation>Choisissez six photos, une de chaque face du cube ; 1 a été choisie.</translation>
    </message>
    <message>
        <source>Choose six photos, one of each side of the cube; %1 were chosen.</source>
        <translation>Choisissez six photos, une de chaque face du cube ; %1 ont été choisies.</translation>
    </message>
</context>
<context>
    <name>turnix::PrintingWords</name>
    <message>
        <source>No printer is installed, and no other output can be used.</source>
        <translation>Aucune imprimante n’est installée et aucune autre sortie n’est utilisable.</translation>
    </message>
    <message>
        <source>The chosen printer cannot be used.</source>
        <translation>L’imprimante choisie est inutilisable.</translation>
    </message>
</context>
<context>
    <name>turnix::ProgramArguments</name>
    <message>
        <source>Solve a real 3x3x3 cube puzzle one step at a time: enter the colours of a scrambled cube, then replay the side turns that solve it.</source>
        <translation>Résoudre un vrai cube 3x3x3 une étape à la fois : saisir les couleurs d’un cube mélangé, puis refaire les mouvements de faces qui le résolvent.</translation>
    </message>
    <message>
        <source>A cube configuration file to open.</source>
        <translation>Un fichier de configuration de cube à ouvrir.</translation>
    </message>
    <message>
        <source>Usage: %1 [FILE.cub]
Try &apos;%1 --help&apos;.
</source>
        <translation>Utilisation : %1 [FICHIER.cub]
Essayez « %1 --help ».
</translation>
    </message>
    <message>
        <source>one cube file at a time, not %1
</source>
        <translation>un seul fichier de cube à la fois, pas %1
</translation>
    </message>
</context>
<context>
    <name>turnix::RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Effacer le menu</translation>
    </message>
</context>
<context>
    <name>turnix::SideLettersMenu</name>
    <message>
        <source>Show Side &amp;Letters</source>
        <translation>Afficher les &amp;lettres des faces</translation>
    </message>
    <message>
        <source>Letters &amp;Name</source>
        <translation>&amp;Les lettres indiquent</translation>
    </message>
    <message>
        <source>The Colour&apos;s &amp;Side (U R F D L B)</source>
        <translation>La &amp;face de la couleur (U R F D L B)</translation>
    </message>
    <message>
        <source>The Colour&apos;s &amp;Initial</source>
        <translation>L’&amp;initiale de la couleur</translation>
    </message>
</context>
<context>
    <name>turnix::SolutionStatusBar</name>
    <message>
        <source>Step %1 of %2 — next: %3</source>
        <translation>Étape %1 sur %2 — suivante : %3</translation>
    </message>
    <message>
        <source>Solved in 1 step</source>
        <translation>Résolu en 1 étape</translation>
    </message>
    <message>
        <source>Solved in %1 steps</source>
        <translation>Résolu en %1 étapes</translation>
    </message>
    <message>
        <source>Fewest turns</source>
        <translation>Moins de mouvements</translation>
    </message>
    <message>
        <source>Layer by layer</source>
        <translation>Couche par couche</translation>
    </message>
    <message>
        <source>Optimal</source>
        <translation>Optimale</translation>
    </message>
</context>
<context>
    <name>turnix::SquareTexts</name>
    <message>
        <source>W</source>
        <comment>initial of White</comment>
        <translation>Bc</translation>
    </message>
    <message>
        <source>Y</source>
        <comment>initial of Yellow</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>G</source>
        <comment>initial of Green</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>B</source>
        <comment>initial of Blue</comment>
        <translation>Bl</translation>
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
        <translation>aucune couleur</translation>
    </message>
    <message>
        <source>colour %1</source>
        <translation>couleur %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Colour %1 of 6</source>
        <translation>Couleur %1 sur 6</translation>
    </message>
    <message>
        <source>A colour the cube cannot have</source>
        <translation>Une couleur que le cube ne peut pas avoir</translation>
    </message>
</context>
<context>
    <name>turnix::StepsPrinterWords</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>turnix::View3DController</name>
    <message>
        <source>3-D Cube</source>
        <translation>Cube en 3D</translation>
    </message>
    <message>
        <source>&amp;3-D Cube</source>
        <translation>Cube en &amp;3D</translation>
    </message>
    <message>
        <source>Turn &amp;Speed</source>
        <translation>&amp;Vitesse de rotation</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>Play the steps (Space)</source>
        <translation>Lire les étapes (Espace)</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>No &amp;Animation</source>
        <translation>&amp;Sans animation</translation>
    </message>
</context>
<context>
    <name>turnix::View3DPanel</name>
    <message>
        <source>Hold the cube with its front side facing you and its top side up</source>
        <translation>Tenez le cube face avant vers vous et face du haut en haut</translation>
    </message>
    <message>
        <source>Hold the cube with %1 facing you and %2 on top</source>
        <translation>Tenez le cube avec le %1 face à vous et le %2 en haut</translation>
    </message>
    <message>
        <source>Turn the %1 %2 (it faces away: see the view from behind)</source>
        <translation>Tourner la %1 %2 (elle est cachée : voir la vue de derrière)</translation>
    </message>
</context>
<context>
    <name>turnix::frmAbout</name>
    <message>
        <source>This program is provided as is, without warranty of any kind. If you pass it on, please pass on the whole program together with its instructions.</source>
        <translation>Ce programme est fourni tel quel, sans aucune garantie. Si vous le transmettez, transmettez le programme entier avec ses instructions.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Finds the turns that solve your scrambled 3×3×3 cube and shows them one step at a time.</source>
        <translation>Trouve les mouvements qui résolvent votre cube 3×3×3 mélangé et les montre une étape à la fois.</translation>
    </message>
</context>
<context>
    <name>turnix::frmApplyTurns</name>
    <message>
        <source>Apply Turns</source>
        <translation>Appliquer des mouvements</translation>
    </message>
    <message>
        <source>&amp;Turns, such as a written scramble: U D F B L R, each alone, with &apos; or with 2; x y z turn the whole cube.</source>
        <translation>&amp;Mouvements, comme un mélange écrit : U D F B L R, seuls, avec &apos; ou avec 2 ; x y z tournent tout le cube.</translation>
    </message>
    <message>
        <source>R U2 F&apos; …</source>
        <translation>R U2 F&apos; …</translation>
    </message>
    <message>
        <source>“%1” at position %2 is not a turn. Nothing was applied.</source>
        <translation>« %1 » à la position %2 n’est pas un mouvement. Rien n’a été appliqué.</translation>
    </message>
</context>
<context>
    <name>turnix::frmChooseReading</name>
    <message>
        <source>Choose the Cube</source>
        <translation>Choisir le cube</translation>
    </message>
    <message>
        <source>More than one cube fits the photos. Choose the one that matches your cube: its squares that differ from the first are marked.</source>
        <translation>Plusieurs cubes correspondent aux photos. Choisissez celui qui correspond à votre cube : ses cases qui diffèrent du premier sont marquées.</translation>
    </message>
    <message>
        <source>Cube &amp;1 (likeliest)</source>
        <translation>Cube &amp;1 (le plus probable)</translation>
    </message>
    <message>
        <source>Cube &amp;%1</source>
        <translation>Cube &amp;%1</translation>
    </message>
</context>
<context>
    <name>turnix::frmDefineColors</name>
    <message>
        <source>Define Colors</source>
        <translation>Définir les couleurs</translation>
    </message>
    <message>
        <source>Color %1:</source>
        <translation>Couleur %1 :</translation>
    </message>
    <message>
        <source>Click to choose this color</source>
        <translation>Cliquer pour choisir cette couleur</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Standard Cube Colours</source>
        <translation>Couleurs standard du cube</translation>
    </message>
    <message>
        <source>White on top, yellow below, green in front, blue behind, orange on the left and red on the right, as on cubes sold today</source>
        <translation>Blanc en haut, jaune en bas, vert devant, bleu derrière, orange à gauche et rouge à droite, comme sur les cubes vendus aujourd’hui</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Error: All colors must be unique</source>
        <translation>Erreur : toutes les couleurs doivent être différentes</translation>
    </message>
</context>
<context>
    <name>turnix::frmInstructions</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The instructions file &quot;%1&quot; cannot be opened.</source>
        <translation>Le fichier d’instructions « %1 » ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The instructions file &quot;%1&quot; is too large to show.</source>
        <translation>Le fichier d’instructions « %1 » est trop volumineux pour être affiché.</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
</context>
<context>
    <name>turnix::frmOptimalProgress</name>
    <message>
        <source>Solve Optimally</source>
        <translation>Résoudre de façon optimale</translation>
    </message>
    <message>
        <source>Loading the table…</source>
        <translation>Chargement de la table…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Making the table, once: %1%</source>
        <translation>Création de la table, une seule fois : %1 %</translation>
    </message>
    <message>
        <source>depth %1 searched</source>
        <translation>profondeur %1 explorée</translation>
    </message>
    <message>
        <source>%1, best %2 so far</source>
        <translation>%1, meilleure jusqu’ici : %2</translation>
    </message>
    <message>
        <source> — stopping…</source>
        <translation> — arrêt en cours…</translation>
    </message>
    <message>
        <source>The optimal solver needs %1 MB of memory for its table, and only %2 MB are free.

Solve in fewest turns instead?</source>
        <translation>Le solveur optimal a besoin de %1 Mo de mémoire pour sa table, et seuls %2 Mo sont libres.

Résoudre plutôt en moins de mouvements ?</translation>
    </message>
</context>
<context>
    <name>turnix::frmPickColor</name>
    <message>
        <source>Pick a Color</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>Click to select, double-click to choose at once</source>
        <translation>Cliquer pour sélectionner, double-cliquer pour choisir aussitôt</translation>
    </message>
    <message>
        <source>Color %1</source>
        <translation>Couleur %1</translation>
    </message>
    <message>
        <source>Current Color:</source>
        <translation>Couleur actuelle :</translation>
    </message>
    <message>
        <source>Current Color</source>
        <translation>Couleur actuelle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>turnix::frmScanCamera</name>
    <message>
        <source>Scan with Camera</source>
        <translation>Scanner avec la caméra</translation>
    </message>
    <message>
        <source>How to hold the cube</source>
        <translation>Comment tenir le cube</translation>
    </message>
    <message>
        <source>Hold one side of the cube square to the camera, filling about a third of the picture, and keep it still until its grid turns green. Then turn the cube to show the next side. The sides may come in any order and any way up; the first becomes the front, its top edge the top.</source>
        <translation>Tenez une face du cube bien en face de la caméra, sur environ un tiers de l’image, et gardez-la immobile jusqu’à ce que sa grille devienne verte. Tournez ensuite le cube pour montrer la face suivante. Les faces peuvent venir dans n’importe quel ordre et sens ; la première devient la face avant, son bord supérieur le haut.</translation>
    </message>
    <message>
        <source>&amp;Start Over</source>
        <translation>&amp;Recommencer</translation>
    </message>
    <message>
        <source>&amp;Use This Cube</source>
        <translation>&amp;Utiliser ce cube</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>All six sides taken. Choose Use This Cube.</source>
        <translation>Les six faces sont prises. Choisissez « Utiliser ce cube ».</translation>
    </message>
    <message>
        <source>%1 of 6 sides taken.</source>
        <translation>Faces prises : %1 sur 6.</translation>
    </message>
    <message>
        <source> That side was taken already: show another.</source>
        <translation> Cette face a déjà été prise : montrez-en une autre.</translation>
    </message>
    <message>
        <source> Choose Start Over and show the sides again.</source>
        <translation> Choisissez « Recommencer » et montrez à nouveau les faces.</translation>
    </message>
</context>
<context>
    <name>turnix::frmSolutionSteps</name>
    <message>
        <source>Solution Steps</source>
        <translation>Étapes de la solution</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save Completion Steps</source>
        <translation>Enregistrer les étapes</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Fichier texte (*.txt)</translation>
    </message>
    <message>
        <source>The printer or the output file could not be written.</source>
        <translation>L’imprimante ou le fichier de sortie n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The steps could not be printed.</source>
        <translation>Les étapes n’ont pas pu être imprimées.</translation>
    </message>
</context>
<context>
    <name>turnix::frmTurnix</name>
    <message>
        <source>Steps to Completion</source>
        <translation>Étapes restantes</translation>
    </message>
    <message>
        <source>Previous Steps</source>
        <translation>Étapes précédentes</translation>
    </message>
</context>
</TS>
