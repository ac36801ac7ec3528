<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Tintora</name>
    <message>
        <source>Tintora %ls</source>
        <translation>Tintora %ls</translation>
    </message>
    <message>
        <source>%ls cannot contain a comma (&quot;,&quot;): in a palette file the comma ends the name and starts the description.</source>
        <translation>%ls ne peut pas contenir de virgule («&#xa0;,&#xa0;»)&#xa0;: dans un fichier de palettes, la virgule termine le nom et commence la description.</translation>
    </message>
    <message>
        <source>%ls cannot contain &quot;#&quot;: in a palette file &quot;#&quot; starts a comment, and the rest of the line would be lost.</source>
        <translation>%ls ne peut pas contenir «&#xa0;#&#xa0;»&#xa0;: dans un fichier de palettes, «&#xa0;#&#xa0;» commence un commentaire et le reste de la ligne serait perdu.</translation>
    </message>
    <message>
        <source>%ls cannot contain a line break: the name and the description of a palette share one line of the palette file.</source>
        <translation>%ls ne peut pas contenir de saut de ligne&#xa0;: le nom et la description d’une palette partagent une ligne du fichier de palettes.</translation>
    </message>
    <message>
        <source>%ls cannot contain the character &quot;%lc&quot; (U+%04X): palette files hold only the characters of the Windows-1252 (Western European) character set.</source>
        <translation>%ls ne peut pas contenir le caractère «&#xa0;%lc&#xa0;» (U+%04X)&#xa0;: les fichiers de palettes ne contiennent que les caractères du jeu Windows-1252 (Europe occidentale).</translation>
    </message>
    <message>
        <source>The name</source>
        <translation>Le nom</translation>
    </message>
    <message>
        <source>The description</source>
        <translation>La description</translation>
    </message>
    <message>
        <source>Rename Palette</source>
        <translation>Renommer la palette</translation>
    </message>
    <message>
        <source>You must at least supply a name for the palette</source>
        <translation>Vous devez au moins indiquer un nom pour la palette</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Marker Pen Colour</source>
        <translation>Couleur de la plume de marquage</translation>
    </message>
    <message>
        <source>Pen %1 Colour</source>
        <translation>Couleur de la plume %1</translation>
    </message>
    <message>
        <source>DOUBLE CLICK TO EDIT</source>
        <translation>DOUBLE-CLIC POUR MODIFIER</translation>
    </message>
    <message>
        <source>R %1, G %2, B %3</source>
        <translation>R %1, V %2, B %3</translation>
    </message>
    <message>
        <source>Pen %1</source>
        <translation>Plume %1</translation>
    </message>
    <message>
        <source>Marker pen</source>
        <translation>Plume de marquage</translation>
    </message>
    <message>
        <source>Selected pen %1</source>
        <translation>Plume sélectionnée %1</translation>
    </message>
    <message>
        <source>You need to select a palette</source>
        <translation>Vous devez sélectionner une palette</translation>
    </message>
    <message>
        <source>R: %03d G: %03d B: %03d</source>
        <translation>R&#xa0;: %03d V&#xa0;: %03d B&#xa0;: %03d</translation>
    </message>
    <message>
        <source>Pen: %d</source>
        <translation>Plume&#xa0;: %d</translation>
    </message>
    <message>
        <source>Current palette: %ls (%ls)</source>
        <translation>Palette actuelle&#xa0;: %ls (%ls)</translation>
    </message>
    <message>
        <source>Corvane Palette (*.pal)</source>
        <translation>Palette Corvane (*.pal)</translation>
    </message>
    <message>
        <source>Tintora</source>
        <translation>Tintora</translation>
    </message>
    <message>
        <source>Failed to open selected palette file</source>
        <translation>Impossible d’ouvrir le fichier de palettes sélectionné</translation>
    </message>
    <message>
        <source>The palette file holds more than 100,000 palettes; Tintora cannot edit it.</source>
        <translation>Le fichier contient plus de 100 000 palettes&#xa0;; Tintora ne peut pas le modifier.</translation>
    </message>
    <message>
        <source>Failed to read name list from selected palette file</source>
        <translation>Impossible de lire la liste des noms du fichier de palettes sélectionné</translation>
    </message>
    <message>
        <source>Current palette has been modified, would you like to save ?</source>
        <translation>La palette actuelle a été modifiée. Voulez-vous l’enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Tintora - %ls</source>
        <translation>Tintora - %ls</translation>
    </message>
    <message>
        <source>Palette has not been changed !</source>
        <translation>La palette n’a pas été modifiée&#xa0;!</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Failed to open palette file for writing</source>
        <translation>Impossible d’ouvrir le fichier de palettes en écriture</translation>
    </message>
    <message>
        <source>Palette file has been saved</source>
        <translation>Le fichier de palettes a été enregistré</translation>
    </message>
    <message>
        <source>The palette file has been changed by another program since it was opened or saved.
Replace it with the palette shown in Tintora?</source>
        <translation>Le fichier de palettes a été modifié par un autre programme depuis son ouverture ou son enregistrement.
Le remplacer par la palette affichée dans Tintora&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Veldra 3.x (*.ini)</source>
        <translation>Veldra 3.x (*.ini)</translation>
    </message>
    <message>
        <source>Import Veldra 3.x</source>
        <translation>Importer Veldra 3.x</translation>
    </message>
    <message>
        <source>Pens</source>
        <translation>Plumes</translation>
    </message>
    <message>
        <source>There is only one palette in the file
therefore nothing to select.

Would you like to add another ?</source>
        <translation>Le fichier ne contient qu’une palette,
il n’y a donc rien à sélectionner.

Voulez-vous en ajouter une autre&#xa0;?</translation>
    </message>
    <message>
        <source>There is only one palette in the file
therefore nothing present that can be deleted

Would you like the current file unloaded instead ?</source>
        <translation>Le fichier ne contient qu’une palette,
il n’y a donc rien à supprimer.

Voulez-vous plutôt fermer le fichier actuel&#xa0;?</translation>
    </message>
    <message>
        <source>This is the default palette and was not loaded initially</source>
        <translation>Il s’agit de la palette par défaut, qui n’a pas été chargée au départ</translation>
    </message>
    <message>
        <source>Add Palette</source>
        <translation>Ajouter une palette</translation>
    </message>
    <message>
        <source>Delete Palette</source>
        <translation>Supprimer la palette</translation>
    </message>
    <message>
        <source>GIMP Palette (*.gpl)</source>
        <translation>Palette GIMP (*.gpl)</translation>
    </message>
    <message>
        <source>Hex colour list (*.hex)</source>
        <translation>Liste de couleurs hexadécimales (*.hex)</translation>
    </message>
    <message>
        <source>JSON palettes (*.json)</source>
        <translation>Palettes JSON (*.json)</translation>
    </message>
    <message>
        <source>CSS custom properties (*.css)</source>
        <translation>Propriétés personnalisées CSS (*.css)</translation>
    </message>
    <message>
        <source>Import Palette</source>
        <translation>Importer une palette</translation>
    </message>
    <message>
        <source>the file holds no palette</source>
        <translation>le fichier ne contient aucune palette</translation>
    </message>
    <message>
        <source>Failed to import %ls: %ls</source>
        <translation>Impossible d’importer %ls&#xa0;: %ls</translation>
    </message>
    <message>
        <source>the palette cannot be made</source>
        <translation>la palette ne peut pas être produite</translation>
    </message>
    <message>
        <source>Failed to write %ls
%ls</source>
        <translation>Impossible d’écrire %ls
%ls</translation>
    </message>
    <message>
        <source>Pen Over: %d</source>
        <translation>Plume survolée&#xa0;: %d</translation>
    </message>
    <message>
        <source>RGB Over: %03d,%03d,%03d</source>
        <translation>RVB survolé&#xa0;: %03d,%03d,%03d</translation>
    </message>
    <message>
        <source>Displays the main pen palette (click to select)</source>
        <translation>Affiche la palette principale des plumes (cliquer pour sélectionner)</translation>
    </message>
    <message>
        <source>Displays the gray/secondary pen palette (click to select)</source>
        <translation>Affiche la palette grise/secondaire des plumes (cliquer pour sélectionner)</translation>
    </message>
    <message>
        <source>Displays the standard pen palette (click to select)</source>
        <translation>Affiche la palette standard des plumes (cliquer pour sélectionner)</translation>
    </message>
    <message>
        <source>Displays the pen number of the item under the mouse cursor</source>
        <translation>Affiche le numéro de plume de l’élément sous le pointeur</translation>
    </message>
    <message>
        <source>Displays the RGB colour components of the item under the mouse cursor</source>
        <translation>Affiche les composantes RVB de l’élément sous le pointeur</translation>
    </message>
    <message>
        <source>Displays the colour of the currently selected pen (double-click to change)</source>
        <translation>Affiche la couleur de la plume sélectionnée (double-cliquer pour modifier)</translation>
    </message>
    <message>
        <source>Displays the number of the currently selected pen</source>
        <translation>Affiche le numéro de la plume sélectionnée</translation>
    </message>
    <message>
        <source>Displays the RGB components of the colour</source>
        <translation>Affiche les composantes RVB de la couleur</translation>
    </message>
    <message>
        <source>Displays the current palette name</source>
        <translation>Affiche le nom de la palette actuelle</translation>
    </message>
    <message>
        <source>Displays the colour of the marker pen (double-click to change)</source>
        <translation>Affiche la couleur de la plume de marquage (double-cliquer pour modifier)</translation>
    </message>
    <message>
        <source>Open shared folder location</source>
        <translation>Ouvrir le dossier partagé</translation>
    </message>
    <message>
        <source>Open all users folder location</source>
        <translation>Ouvrir le dossier de tous les utilisateurs</translation>
    </message>
    <message>
        <source>Open local user folder location</source>
        <translation>Ouvrir le dossier de l’utilisateur local</translation>
    </message>
    <message>
        <source>There is not enough memory to complete this command.</source>
        <translation>Mémoire insuffisante pour exécuter cette commande.</translation>
    </message>
    <message>
        <source>Tintora Help</source>
        <translation>Aide de Tintora</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>About Tintora</source>
        <translation>À propos de Tintora</translation>
    </message>
    <message>
        <source>Tintora Version 1.1</source>
        <translation>Tintora version 1.1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Current palette:</source>
        <translation>Palette actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Light background</source>
        <translation>Fond clair</translation>
    </message>
    <message>
        <source>Dark background</source>
        <translation>Fond sombre</translation>
    </message>
    <message>
        <source>Pen Over:</source>
        <translation>Plume survolée&#xa0;:</translation>
    </message>
    <message>
        <source>RGB Over:</source>
        <translation>RVB survolé&#xa0;:</translation>
    </message>
    <message>
        <source>Pen: 0</source>
        <translation>Plume&#xa0;: 0</translation>
    </message>
    <message>
        <source>R: 255 G: 255 B: 255</source>
        <translation>R&#xa0;: 255 V&#xa0;: 255 B&#xa0;: 255</translation>
    </message>
    <message>
        <source>Pen: 0 (Marker)</source>
        <translation>Plume&#xa0;: 0 (marquage)</translation>
    </message>
    <message>
        <source>Select Palette</source>
        <translation>Sélectionner une palette</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Important Message</source>
        <translation>Message important</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>Modified files should NOT be written back to the All Users folder as they can and will be overwritten when updates are installed.</source>
        <translation>Les fichiers modifiés ne doivent PAS être réenregistrés dans le dossier Tous les utilisateurs&#xa0;: ils seront écrasés lors des mises à jour.</translation>
    </message>
    <message>
        <source>Modified files should be stored in the Shared folder (if available) or the User folder which the program will always use in preference to the All Users folder when trying to locate a file.</source>
        <translation>Enregistrez les fichiers modifiés dans le dossier partagé (s’il existe) ou dans le dossier de l’utilisateur, que le programme préfère toujours au dossier Tous les utilisateurs pour trouver un fichier.</translation>
    </message>
    <message>
        <source>The File Open and Save dialogs offer the following shortcut icons for quick access to the relevant folders:</source>
        <translation>Les boîtes Ouvrir et Enregistrer proposent ces icônes pour accéder vite aux dossiers&#xa0;:</translation>
    </message>
    <message>
        <source>Shared folder</source>
        <translation>Dossier partagé</translation>
    </message>
    <message>
        <source>All Users</source>
        <translation>Tous les utilisateurs</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Import Veldra 3.x</source>
        <translation>&amp;Importer Veldra 3.x</translation>
    </message>
    <message>
        <source>Import &amp;Palette…</source>
        <translation>Importer une &amp;palette…</translation>
    </message>
    <message>
        <source>&amp;Export Palette…</source>
        <translation>E&amp;xporter la palette…</translation>
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
        <source>&amp;Select Palette</source>
        <translation>&amp;Sélectionner une palette</translation>
    </message>
    <message>
        <source>&amp;Add Palette</source>
        <translation>Ajo&amp;uter une palette</translation>
    </message>
    <message>
        <source>&amp;Delete Palette</source>
        <translation>Su&amp;pprimer la palette</translation>
    </message>
    <message>
        <source>&amp;Rename Palette</source>
        <translation>Reno&amp;mmer la palette</translation>
    </message>
    <message>
        <source>&amp;Copy Colour</source>
        <translation>&amp;Copier la couleur</translation>
    </message>
    <message>
        <source>&amp;Paste Colour</source>
        <translation>C&amp;oller la couleur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Tintora</source>
        <translation>À &amp;propos de Tintora</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Normal Vision</source>
        <translation>Vision &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Protanopia</source>
        <translation>&amp;Protanopie</translation>
    </message>
    <message>
        <source>&amp;Deuteranopia</source>
        <translation>&amp;Deutéranopie</translation>
    </message>
    <message>
        <source>&amp;Tritanopia</source>
        <translation>&amp;Tritanopie</translation>
    </message>
    <message>
        <source>&amp;Mark Low-Contrast Pens</source>
        <translation>&amp;Marquer les plumes à faible contraste</translation>
    </message>
    <message>
        <source>Derive Dar&amp;k Colours</source>
        <translation>Dériver les couleurs &amp;foncées</translation>
    </message>
    <message>
        <source>Derive &amp;Light Colours</source>
        <translation>Dériver les couleurs c&amp;laires</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>a new palette file</source>
        <translation>un nouveau fichier de palettes</translation>
    </message>
    <message>
        <source>Pen %d – Light Background</source>
        <translation>Plume %d – fond clair</translation>
    </message>
    <message>
        <source>Pen %d – Dark Background</source>
        <translation>Plume %d – fond sombre</translation>
    </message>
    <message>
        <source>Adobe Swatch Exchange (*.ase)</source>
        <translation>Adobe Swatch Exchange (*.ase)</translation>
    </message>
    <message>
        <source>RIFF palette (*.pal)</source>
        <translation>Palette RIFF (*.pal)</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Tintora Help&lt;/h1&gt;&lt;p&gt;The help pages are not installed: there is no file &lt;code&gt;%1&lt;/code&gt;.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Aide de Tintora&lt;/h1&gt;&lt;p&gt;Les pages d’aide ne sont pas installées&#xa0;: le fichier &lt;code&gt;%1&lt;/code&gt; est introuvable.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Main pens</source>
        <translation>Plumes principales</translation>
    </message>
    <message>
        <source>Secondary pens</source>
        <translation>Plumes secondaires</translation>
    </message>
    <message>
        <source>Standard pens</source>
        <translation>Plumes standard</translation>
    </message>
    <message>
        <source>%1, low contrast</source>
        <translation>%1, faible contraste</translation>
    </message>
    <message>
        <source>Derive Dark Colours</source>
        <translation>Dériver les couleurs foncées</translation>
    </message>
    <message>
        <source>Derive Light Colours</source>
        <translation>Dériver les couleurs claires</translation>
    </message>
    <message>
        <source>A save of this palette file was interrupted. The file has been put back as it was before that save.</source>
        <translation>Un enregistrement de ce fichier de palettes a été interrompu. Le fichier a été remis dans l’état où il était avant cet enregistrement.</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End and pen numbers select a pen; Space or Enter changes its colour, Shift+Space or Shift+Enter the marker pen&apos;s</source>
        <translation>Les flèches, Origine, Fin et les numéros de plume sélectionnent une plume&#xa0;; Espace ou Entrée change sa couleur, Maj+Espace ou Maj+Entrée celle de la plume de marquage</translation>
    </message>
    <message>
        <source>Pen under the pointer</source>
        <translation>Plume sous le pointeur</translation>
    </message>
    <message>
        <source>Colour under the pointer</source>
        <translation>Couleur sous le pointeur</translation>
    </message>
    <message>
        <source>Palettes of other tools (*.gpl;*.hex;*.json;*.css;*.ase;*.aco;*.pal)</source>
        <translation>Palettes d’autres outils (*.gpl;*.hex;*.json;*.css;*.ase;*.aco;*.pal)</translation>
    </message>
    <message>
        <source>Photoshop swatches (*.aco)</source>
        <translation>Nuanciers Photoshop (*.aco)</translation>
    </message>
    <message>
        <source>JASC, RIFF or Tintora palettes (*.pal)</source>
        <translation>Palettes JASC, RIFF ou Tintora (*.pal)</translation>
    </message>
    <message>
        <source>JASC palette (*.pal)</source>
        <translation>Palette JASC (*.pal)</translation>
    </message>
    <message>
        <source>the file names no palette</source>
        <translation>le fichier ne nomme aucune palette</translation>
    </message>
    <message>
        <source>the file names too many palettes</source>
        <translation>le fichier nomme trop de palettes</translation>
    </message>
    <message>
        <source>the file&apos;s extension names no palette format Tintora reads</source>
        <translation>l’extension du fichier ne désigne aucun format de palette que Tintora sait lire</translation>
    </message>
    <message>
        <source>Marker Pen – Light Background</source>
        <translation>Plume de marquage – fond clair</translation>
    </message>
    <message>
        <source>Marker Pen – Dark Background</source>
        <translation>Plume de marquage – fond sombre</translation>
    </message>
    <message>
        <source>Tintora was closed with unsaved changes to %1 on %2.

Recover them?</source>
        <translation>Tintora a été fermé avec des modifications non enregistrées de %1 le %2.

Les récupérer&#xa0;?</translation>
    </message>
    <message>
        <source>The recovered palettes could not be read.</source>
        <translation>Les palettes récupérées n’ont pas pu être lues.</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lien</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <translation>Lien&#xa0;: %1</translation>
    </message>
</context>
</TS>
