<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CapTool</name>
    <message>
        <source>Distance cumulée= 0.0</source>
        <translation>Cumulative distance= 0.0</translation>
    </message>
    <message>
        <source> Distance cumulée : </source>
        <translation> Cumulative distance: </translation>
    </message>
    <message>
        <source>pas de points digitalisés</source>
        <translation>no digitized points</translation>
    </message>
    <message>
        <source> sélectionnez un départ</source>
        <translation> select a start</translation>
    </message>
    <message>
        <source>Distance= %1  Cap= %2  </source>
        <translation>Distance= %1  Bearing= %2  </translation>
    </message>
    <message>
        <source>D= %1  Cap= %2  proxi=  %3</source>
        <translation>D= %1  Bearing= %2  near=  %3</translation>
    </message>
</context>
<context>
    <name>LineHeightTool</name>
    <message>
        <source>Pas de ligne sous le clic</source>
        <translation>No line under the click</translation>
    </message>
    <message>
        <source>Z par ligne</source>
        <translation>Z per line</translation>
    </message>
    <message>
        <source>Z de tous les points de la ligne %1 :</source>
        <translation>Z of every point of line %1:</translation>
    </message>
    <message>
        <source>Ligne %1 : %2 points à Z = %3</source>
        <translation>Line %1: %2 points at Z = %3</translation>
    </message>
</context>
<context>
    <name>PickBorderTool</name>
    <message>
        <source> prélever la couleur de bordure</source>
        <translation> pick the border colour</translation>
    </message>
</context>
<context>
    <name>TraceTool</name>
    <message>
        <source>écart de couleur accepté (delta E)</source>
        <translation>colour difference accepted (delta E)</translation>
    </message>
    <message>
        <source>interruption du trait franchie (pixels)</source>
        <translation>break in the line bridged (pixels)</translation>
    </message>
    <message>
        <source>simplifier</source>
        <translation>simplify</translation>
    </message>
    <message>
        <source>écart maximal au trait (pixels)</source>
        <translation>largest distance from the line (pixels)</translation>
    </message>
    <message>
        <source>Courbe par pas de X</source>
        <translation>Curve by X step</translation>
    </message>
    <message>
        <source>tirer un cadre sur le graphique : un point tous les X pixels sur la courbe</source>
        <translation>drag a box over the graph: one point every X pixels along the curve</translation>
    </message>
    <message>
        <source>pas de X (pixels)</source>
        <translation>X step (pixels)</translation>
    </message>
    <message>
        <source>Tirer un cadre autour de la courbe</source>
        <translation>Drag a box around the curve</translation>
    </message>
    <message>
        <source>tolérance</source>
        <translation>tolerance</translation>
    </message>
    <message>
        <source>lacune</source>
        <translation>gap</translation>
    </message>
    <message>
        <source>espacement</source>
        <translation>spacing</translation>
    </message>
    <message>
        <source>couleur</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>suivre la couleur %1</source>
        <translation>follow the colour %1</translation>
    </message>
    <message>
        <source>suivre la couleur sous le clic</source>
        <translation>follow the colour under the click</translation>
    </message>
</context>
<context>
    <name>VectorizeSection</name>
    <message>
        <source>les traits plus courts (points, lettres, hachures) sont laissés (pixels)</source>
        <translation>shorter lines (dots, letters, hatching) are left out (pixels)</translation>
    </message>
    <message>
        <source>écart maximal des lignes au trait (pixels)</source>
        <translation>largest distance of the lines from the drawn line (pixels)</translation>
    </message>
    <message>
        <source>Vectoriser la couleur</source>
        <translation>Vectorise the colour</translation>
    </message>
    <message>
        <source>tous les traits de la couleur choisie, d&apos;un coup</source>
        <translation>every line of the chosen colour, at once</translation>
    </message>
    <message>
        <source>Garder</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>Abandonner</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>longueur min.</source>
        <translation>min. length</translation>
    </message>
    <message>
        <source>simplification</source>
        <translation>simplification</translation>
    </message>
    <message>
        <source>Cliquez sur un trait de la couleur à vectoriser</source>
        <translation>Click a line of the colour to vectorise</translation>
    </message>
    <message>
        <source>%1 ligne</source>
        <translation>%1 line</translation>
    </message>
    <message>
        <source>%1 lignes</source>
        <translation>%1 lines</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Vectorisation arrêtée</source>
        <translation>Vectorisation stopped</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage : tracelle [PROJET.trc | IMAGE]

Ouvre le projet ou l&apos;image nommé (un projet est reconnu à son extension
ou à sa première ligne /TRACELLE), sinon une feuille vierge. L&apos;aide du
programme s&apos;affiche par la touche F1.

  --help     cette aide
  --version  la version du programme
</source>
        <translation>Usage: tracelle [PROJECT.trc | PICTURE]

Opens the named project or picture (a project is recognised by its extension
or by its first line /TRACELLE), otherwise a blank sheet. The program&apos;s help
shows with the F1 key.

  --help     this help
  --version  the program&apos;s version
</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::MainWindow</name>
    <message>
        <source>« %1 » : cette fonction n&apos;est pas encore disponible dans cette version de Tracelle.</source>
        <translation>“%1”: this function is not available yet in this version of Tracelle.</translation>
    </message>
    <message>
        <source>OK pour enlever les contours bleus ( L Raster ) et retrouver la figure juste colorée en vert</source>
        <translation>OK to remove the blue outlines ( L Raster ) and get back the figure just coloured in green</translation>
    </message>
    <message>
        <source> Voulez-vous enregistrer le tableau de points ? </source>
        <translation> Do you want to save the table of points? </translation>
    </message>
    <message>
        <source>annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>le fichier %1 n&apos;a pas pu être mis à jour</source>
        <translation>the file %1 could not be updated</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur entière correcte</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>Il faut d&apos;abord les 3 points de calage</source>
        <translation>The 3 calibration points are needed first</translation>
    </message>
    <message>
        <source>Cliquer le POINT DE CONTRÔLE</source>
        <translation>Click the CONTROL POINT</translation>
    </message>
    <message>
        <source> Ouvrir un fichier MapInfo  *.tab</source>
        <translation> Open a MapInfo file  *.tab</translation>
    </message>
    <message>
        <source>Fichiers (*.tab)|*.tab|Tous les fichiers|*.*</source>
        <translation>Files (*.tab)|*.tab|All files|*.*</translation>
    </message>
    <message>
        <source> Ouvrir un fichier Arc/Info  *.hdr</source>
        <translation> Open an Arc/Info file  *.hdr</translation>
    </message>
    <message>
        <source>Fichiers (*.hdr)|*.hdr|Tous les fichiers|*.*</source>
        <translation>Files (*.hdr)|*.hdr|All files|*.*</translation>
    </message>
    <message>
        <source> Ouvrir une image géoréférencée</source>
        <translation> Open a georeferenced picture</translation>
    </message>
    <message>
        <source>Images géoréférencées (*.tif;*.tiff;*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tfw;*.tifw;*.jgw;*.jpgw;*.pgw;*.pngw;*.bpw;*.bmpw;*.gfw;*.wld)|*.tif;*.tiff;*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tfw;*.tifw;*.jgw;*.jpgw;*.pgw;*.pngw;*.bpw;*.bmpw;*.gfw;*.wld|Tous les fichiers|*.*</source>
        <translation>Georeferenced pictures (*.tif;*.tiff;*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tfw;*.tifw;*.jgw;*.jpgw;*.pgw;*.pngw;*.bpw;*.bmpw;*.gfw;*.wld)|*.tif;*.tiff;*.jpg;*.jpeg;*.png;*.bmp;*.gif;*.tfw;*.tifw;*.jgw;*.jpgw;*.pgw;*.pngw;*.bpw;*.bmpw;*.gfw;*.wld|All files|*.*</translation>
    </message>
    <message>
        <source>&lt;%1&gt; : aucune image du même nom à côté de ce fichier de calage</source>
        <translation>&lt;%1&gt;: no picture of the same name beside this calibration file</translation>
    </message>
    <message>
        <source>&lt;%1&gt; ne porte pas de calage : ni étiquettes GeoTIFF, ni fichier de calage (*.tfw, *.jgw, *.pgw, *.wld...) à côté d&apos;elle</source>
        <translation>&lt;%1&gt; carries no calibration: neither GeoTIFF tags nor a calibration file (*.tfw, *.jgw, *.pgw, *.wld...) beside it</translation>
    </message>
    <message>
        <source>   Pas d&apos;image dans le presse-papier

 Pour capturer un écran appuyer sur la touche [Imp écran]

 en maximisant au préalable la résolution de l&apos;écran pour plus de détails</source>
        <translation>   No picture on the clipboard

 To capture the screen, press the [Print Screen] key

 after setting the screen to its highest resolution for more detail</translation>
    </message>
    <message>
        <source> Nom de l&apos;image issue du presse-papier</source>
        <translation> Name of the picture from the clipboard</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp</source>
        <translation>Bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Rajout de points X,Y à partir d&apos;un fichier texte

 Les coordonnées importées sont réelles X,Y, c&apos;est à dire que les coordonnées image x,y
 sont recalculées à partir des réelles avec le calibrage courant

 Puis une fois déposés sur l&apos;image on recalcule les réelles dont les valeurs seront
 un peu différentes de celles importées à cause du nombre limité de pixels (LxH) de l&apos;image</source>
        <translation>Adding X,Y points from a text file

 The imported coordinates are real X,Y ones: the picture coordinates x,y
 are computed from the real ones with the current calibration

 Then, once the points are on the picture, their real values are computed again and will be
 a little different from those imported because of the limited number of pixels (WxH) of the picture</translation>
    </message>
    <message>
        <source>Le fichier TEXTE contient 2 ou 3 colonnes, X  Y et éventuellement Libellé</source>
        <translation>The TEXT file holds 2 or 3 columns, X  Y and optionally Label</translation>
    </message>
    <message>
        <source> exemple :
0.23 111.5 pointA
1.25 215.6 pointB
    etc...
 le séparateur peut-être l&apos;espace ou la tabulation
 les valeurs sont recalculées par rapport au nombre de pixels!
 les ligne commençant par &apos; seront ignorées</source>
        <translation> example:
0.23 111.5 pointA
1.25 215.6 pointB
    etc...
 the separator may be a space or a tab
 the values are computed again from the number of pixels!
 lines beginning with &apos; are ignored</translation>
    </message>
    <message>
        <source>Continuer</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Ouvrir un fichier X  Y</source>
        <translation>Open an X  Y file</translation>
    </message>
    <message>
        <source>Fichiers (*.txt)|*.txt</source>
        <translation>Files (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Rajout de points X,Y à partir d&apos;un fichier issu d&apos;un Tableur 

 Les coordonnées importées sont réelles (X,Y), c&apos;est à dire que les coordonnées image (x,y)
 sont calculées à partir des réelles avec le calibrage courant

 Puis une fois déposés sur l&apos;image on recalcule les réelles dont les valeurs seront
 un peu différentes de celles importées à cause du nombre limité de pixels (LxH) de l&apos;image</source>
        <translation>Adding X,Y points from a spreadsheet file 

 The imported coordinates are real (X,Y) ones: the picture coordinates (x,y)
 are computed from the real ones with the current calibration

 Then, once the points are on the picture, their real values are computed again and will be
 a little different from those imported because of the limited number of pixels (WxH) of the picture</translation>
    </message>
    <message>
        <source>Ouvrir un fichier X  Y Lib ...</source>
        <translation>Open an X  Y Label file ...</translation>
    </message>
    <message>
        <source>|Tous les fichiers (*.*)|*.*</source>
        <translation>|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le classeur %1 :
%2</source>
        <translation>Cannot open the workbook %1:
%2</translation>
    </message>
    <message>
        <source> Voulez-vous remplacer les valeurs réelles des calibrations (X,Y,Z) 

 avec le contenu du presse-papier visible de côté ?  ==&gt; </source>
        <translation> Do you want to replace the real calibration values (X,Y,Z) 

 with the content of the clipboard shown beside?  ==&gt; </translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>===&gt; Ouvrir un fichier *.trc  (points et image associés)</source>
        <translation>===&gt; Open a *.trc file  (points and their picture)</translation>
    </message>
    <message>
        <source>Projets récents</source>
        <translation>Recent projects</translation>
    </message>
    <message>
        <source>=&gt; &amp;Charger une image de fond seule</source>
        <translation>=&gt; &amp;Load a background picture alone</translation>
    </message>
    <message>
        <source>&amp;Enregistrer les points et le nom de l&apos;image  =&gt; *.trc</source>
        <translation>&amp;Save the points and the picture&apos;s name  =&gt; *.trc</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image BITMAP  *.bmp ou *.jpg SANS les lignes</source>
        <translation>Save the BITMAP picture  *.bmp or *.jpg WITHOUT the lines</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image avec les lignes ou les points (*.jpg)</source>
        <translation>Save the picture with the lines or the points (*.jpg)</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image géoréférencée</source>
        <translation>Save the georeferenced picture</translation>
    </message>
    <message>
        <source>Enregistrer les coordonnées digitalisées</source>
        <translation>Save the digitized coordinates</translation>
    </message>
    <message>
        <source>Exporter les coordonnées digitalisées via le presse-papier</source>
        <translation>Export the digitized coordinates through the clipboard</translation>
    </message>
    <message>
        <source>=&gt; Charger l&apos;image présente dans le presse-papier</source>
        <translation>=&gt; Load the picture on the clipboard</translation>
    </message>
    <message>
        <source>=&gt; Charger un *.TAB MapInfo</source>
        <translation>=&gt; Load a MapInfo *.TAB</translation>
    </message>
    <message>
        <source>=&gt; Charger  un fichier *.hdr ARC/INFO </source>
        <translation>=&gt; Load  an ARC/INFO *.hdr file </translation>
    </message>
    <message>
        <source>=&gt; Charger une image géoréférencée (GeoTIFF, *.tfw, *.jgw, *.pgw, *.wld)</source>
        <translation>=&gt; Load a georeferenced picture (GeoTIFF, *.tfw, *.jgw, *.pgw, *.wld)</translation>
    </message>
    <message>
        <source>Conversion  emf, wmf, bmp -&gt; TIF, JPEG, BMP</source>
        <translation>Conversion  emf, wmf, bmp -&gt; TIF, JPEG, BMP</translation>
    </message>
    <message>
        <source>&amp;Nouvelle saisie avec table à digitaliser </source>
        <translation>&amp;New entry with a digitizing tablet </translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Edition</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Annuler %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Rétablir %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Tableau de points et calages  F4</source>
        <translation>Table of points and calibrations  F4</translation>
    </message>
    <message>
        <source>&amp;Nouvelle suite de points [espace]</source>
        <translation>&amp;New line of points [space]</translation>
    </message>
    <message>
        <source>&amp;Effacer le dernier point  F6</source>
        <translation>&amp;Delete the last point  F6</translation>
    </message>
    <message>
        <source>&amp;Copier dans le presse-papier (-&gt;Excel)</source>
        <translation>&amp;Copy to the clipboard (-&gt;Excel)</translation>
    </message>
    <message>
        <source>Altitude + delta Z</source>
        <translation>Altitude + delta Z</translation>
    </message>
    <message>
        <source>Altitude - delta Z</source>
        <translation>Altitude - delta Z</translation>
    </message>
    <message>
        <source>Rajout de points digitalisés à partir d&apos;un *trc  associé à la même image</source>
        <translation>Add digitized points from a *trc  of the same picture</translation>
    </message>
    <message>
        <source>Rajout de points (X,Y,Lib) à partir d&apos;un fichier *.TXT (2 ou 3 colonnes)</source>
        <translation>Add points (X,Y,Label) from a *.TXT file (2 or 3 columns)</translation>
    </message>
    <message>
        <source>Rajout de points (X,Y,Lib) à partir d&apos;un fichier *.XLS</source>
        <translation>Add points (X,Y,Label) from a *.XLS file</translation>
    </message>
    <message>
        <source>Récupération de valeurs  réelles (X,Y,Z) de calibration</source>
        <translation>Retrieve real  calibration values (X,Y,Z)</translation>
    </message>
    <message>
        <source>Valeurs de calibration réelles (X,Y,Z) à partir du presse-papier</source>
        <translation>Real calibration values (X,Y,Z) from the clipboard</translation>
    </message>
    <message>
        <source>&amp;Affichage</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Agrandir  [+]</source>
        <translation>Zoom &amp;in  [+]</translation>
    </message>
    <message>
        <source>&amp;Rétrécir  [-]</source>
        <translation>Zoom &amp;out  [-]</translation>
    </message>
    <message>
        <source>&amp;Carte complète</source>
        <translation>&amp;Whole map</translation>
    </message>
    <message>
        <source>&amp;Graphe</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>&amp;Plein écran</source>
        <translation>&amp;Full screen</translation>
    </message>
    <message>
        <source>Garder les proportions L x H</source>
        <translation>Keep the proportions W x H</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>A &amp;propos ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Lignes</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>&amp;Table à digitaliser</source>
        <translation>Digitizing &amp;tablet</translation>
    </message>
    <message>
        <source>une annulation colorée</source>
        <translation>one colouring undo</translation>
    </message>
    <message>
        <source>roulette inversée</source>
        <translation>inverted wheel</translation>
    </message>
    <message>
        <source>Langue</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;Conversions</source>
        <translation>&amp;Conversions</translation>
    </message>
    <message>
        <source>UTM &lt;-&gt; Lat</source>
        <translation>UTM &lt;-&gt; Lat</translation>
    </message>
    <message>
        <source>emf, wmf, bmp -&gt; TIF, JPG, BMP</source>
        <translation>emf, wmf, bmp -&gt; TIF, JPG, BMP</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Redessiner</source>
        <translation>Redraw</translation>
    </message>
    <message>
        <source>Selon la session</source>
        <translation>Same as the session</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>La langue choisie n&apos;a pas pu être enregistrée.</source>
        <translation>The chosen language could not be saved.</translation>
    </message>
    <message>
        <source>Cliquer le PREMIER POINT DE CALAGE</source>
        <translation>Click the FIRST CALIBRATION POINT</translation>
    </message>
    <message>
        <source>Cliquer le DEUXIEME POINT DE CALAGE</source>
        <translation>Click the SECOND CALIBRATION POINT</translation>
    </message>
    <message>
        <source>Cliquer le TROISIEME POINT DE CALAGE</source>
        <translation>Click the THIRD CALIBRATION POINT</translation>
    </message>
    <message>
        <source>clicker pour activer cette fenêtre puis digitaliser</source>
        <translation>click to activate this window, then digitize</translation>
    </message>
    <message>
        <source>Supprimer ce point</source>
        <translation>Delete this point</translation>
    </message>
    <message>
        <source>Insérer un point ici</source>
        <translation>Insert a point here</translation>
    </message>
    <message>
        <source>Nouvelle ligne</source>
        <translation>New line</translation>
    </message>
    <message>
        <source> nouvelle suite de points [espace]</source>
        <translation> new line of points [space]</translation>
    </message>
    <message>
        <source>Supr. points</source>
        <translation>Del. points</translation>
    </message>
    <message>
        <source> effacer le dernier point [suppr]</source>
        <translation> delete the last point [del]</translation>
    </message>
    <message>
        <source> nouvelle saisie table à digitaliser</source>
        <translation> new entry on a digitizing tablet</translation>
    </message>
    <message>
        <source> Charger une image de fond</source>
        <translation> Load a background picture</translation>
    </message>
    <message>
        <source> Lire un tableau de points Maj F2</source>
        <translation> Read a table of points Shift F2</translation>
    </message>
    <message>
        <source> Enregistrer les points</source>
        <translation> Save the points</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image avec les lignes</source>
        <translation>Save the picture with the lines</translation>
    </message>
    <message>
        <source>carte adaptée à la fenêtre</source>
        <translation>map fitted to the window</translation>
    </message>
    <message>
        <source>l&apos;image SANS ZONES COLOREES</source>
        <translation>the picture WITHOUT COLOURED ZONES</translation>
    </message>
    <message>
        <source>Carte + Tableau</source>
        <translation>Map + Table</translation>
    </message>
    <message>
        <source>Carte seule</source>
        <translation>Map alone</translation>
    </message>
    <message>
        <source>Digitaliser</source>
        <translation>Digitize</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Cap et angle</source>
        <translation>Bearing and angle</translation>
    </message>
    <message>
        <source>calcul de cumuls de distances et caps  entre points digitalisés</source>
        <translation>sums of distances and bearings  between digitized points</translation>
    </message>
    <message>
        <source>Suivre le trait</source>
        <translation>Follow the line</translation>
    </message>
    <message>
        <source>un clic sur un trait le suit et le digitalise</source>
        <translation>a click on a line follows it and digitizes it</translation>
    </message>
    <message>
        <source>Z par ligne</source>
        <translation>Z per line</translation>
    </message>
    <message>
        <source>un clic sur une ligne donne un même Z à tous ses points</source>
        <translation>a click on a line gives one Z to all its points</translation>
    </message>
    <message>
        <source>Calcul des longueurs et surfaces vectorisées</source>
        <translation>Lengths and areas of the digitized lines</translation>
    </message>
    <message>
        <source>Colorer la surface</source>
        <translation>Colour the area</translation>
    </message>
    <message>
        <source>peint la surface tant que la couleur est la même</source>
        <translation>paints the area as far as the colour stays the same</translation>
    </message>
    <message>
        <source>Colorer la surf. bordée</source>
        <translation>Colour the bordered area</translation>
    </message>
    <message>
        <source>peint toute surfaces j&apos;usqu&apos;à la limite de la couleur de bordure</source>
        <translation>paints every area up to the border colour</translation>
    </message>
    <message>
        <source>Choix couleur de bord</source>
        <translation>Border colour</translation>
    </message>
    <message>
        <source>Prélèver la couleur choisie de la bordure SUR L&apos;IMAGE</source>
        <translation>Pick the chosen border colour ON THE PICTURE</translation>
    </message>
    <message>
        <source>Choix couleur de fond</source>
        <translation>Fill colour</translation>
    </message>
    <message>
        <source>couleur de fond utilisée pour marquer les surfaces à mesurer</source>
        <translation>fill colour used to mark the areas to measure</translation>
    </message>
    <message>
        <source>pinceau</source>
        <translation>brush</translation>
    </message>
    <message>
        <source>gomme</source>
        <translation>eraser</translation>
    </message>
    <message>
        <source>n &amp;&amp; b : seuil de gris -&gt;</source>
        <translation>b &amp;&amp; w: grey threshold -&gt;</translation>
    </message>
    <message>
        <source>modifie le contraste momentanément ( clik sur Redessiner pour annuler)</source>
        <translation>changes the contrast for a moment (click Redraw to undo)</translation>
    </message>
    <message>
        <source>couleur prélevée pour la bordure SUR L&apos;IMAGE</source>
        <translation>colour picked for the border ON THE PICTURE</translation>
    </message>
    <message>
        <source>coleur de fond</source>
        <translation>fill colour</translation>
    </message>
    <message>
        <source>seuil de gris  (x 1 000 000)</source>
        <translation>grey threshold  (x 1,000,000)</translation>
    </message>
    <message>
        <source>seuil de gris </source>
        <translation>grey threshold </translation>
    </message>
    <message>
        <source>-&gt; Calcul Surf colorée</source>
        <translation>-&gt; Coloured area</translation>
    </message>
    <message>
        <source>calcul de surfaces colorée en couleur de fond</source>
        <translation>areas coloured in the fill colour</translation>
    </message>
    <message>
        <source>Annuler la dernière coloration</source>
        <translation>Undo the last colouring</translation>
    </message>
    <message>
        <source>avec les lignes</source>
        <translation>with the lines</translation>
    </message>
    <message>
        <source>image avec les lignes ou points</source>
        <translation>picture with the lines or points</translation>
    </message>
    <message>
        <source>sans lignes ni pts</source>
        <translation>no lines or pts</translation>
    </message>
    <message>
        <source>image sans les lignes et points (pour les surfaces)</source>
        <translation>picture without the lines and points (for the areas)</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>X et Y   flottants</source>
        <translation>Floating X and Y</translation>
    </message>
    <message>
        <source>affichage à côté du pointeur de la souris</source>
        <translation>shown beside the mouse pointer</translation>
    </message>
    <message>
        <source>Aimanter les clics</source>
        <translation>Snap the clicks</translation>
    </message>
    <message>
        <source>un clic près d&apos;un trait se place en son milieu</source>
        <translation>a click near a line snaps to its middle</translation>
    </message>
    <message>
        <source> Ouvrir un fichier image</source>
        <translation> Open a picture file</translation>
    </message>
    <message>
        <source>%1
 L&apos;image garde le calage par défaut.</source>
        <translation>%1
 The picture keeps the default calibration.</translation>
    </message>
    <message>
        <source>Cette image porte son propre calage (%1) : l&apos;utiliser ?</source>
        <translation>This picture carries its own calibration (%1): use it?</translation>
    </message>
    <message>
        <source>Voulez-vous d&apos;abord choisir vos points de calibrage ? </source>
        <translation>Do you want to choose your calibration points first? </translation>
    </message>
    <message>
        <source>  Enregistrer l&apos;image : indiquer .bmp (par défaut)  ou  .jpg</source>
        <translation>  Save the picture: give .bmp (the default)  or  .jpg</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg</source>
        <translation>Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>JPEG (*.jpg)|*.jpg</source>
        <translation>JPEG (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>sans nom</source>
        <translation>untitled</translation>
    </message>
    <message>
        <source>La copie de secours ne peut pas être écrite : %1</source>
        <translation>The rescue copy cannot be written: %1</translation>
    </message>
    <message>
        <source>Tracelle s&apos;est fermé sans enregistrer le projet %1. Rouvrir la copie de secours du %2 ?</source>
        <translation>Tracelle closed without saving the project %1. Reopen the rescue copy of %2?</translation>
    </message>
    <message>
        <source> Enregistrer pour TRACELLE, EXCEL et TEXTE</source>
        <translation> Save for TRACELLE, EXCEL and TEXT</translation>
    </message>
    <message>
        <source>Fichiers texte (*.trc,*.xls,*.txt,*.bln)|*.trc;*.xls;*.txt;*.bln|Tous les fichiers (*.*)|*.*</source>
        <translation>Text files (*.trc,*.xls,*.txt,*.bln)|*.trc;*.xls;*.txt;*.bln|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Le projet en cours n&apos;est pas enregistré. L&apos;enregistrer avant de continuer ?</source>
        <translation>The current project is not saved. Save it before going on?</translation>
    </message>
    <message>
        <source>Projet non enregistré</source>
        <translation>Project not saved</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ne pas enregistrer</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Voulez-vous copier les points de calage et les autres <byte value="xd"/>  dans le presse papier (valeurs séparées par TABULATION) <byte value="xd"/>  et dans un fichier &lt;presse_papier.xls&gt; ?</source>
        <translation>Do you want to copy the calibration points and the others <byte value="xd"/>  to the clipboard (values separated by TABS) <byte value="xd"/>  and into a file &lt;presse_papier.xls&gt;?</translation>
    </message>
    <message>
        <source>Le presse-papier est à jour <byte value="xd"/> ainsi que le fichier &lt;%1&gt;</source>
        <translation>The clipboard is up to date <byte value="xd"/> and so is the file &lt;%1&gt;</translation>
    </message>
    <message>
        <source> Presse papier... OK   </source>
        <translation> Clipboard... OK   </translation>
    </message>
    <message>
        <source> Ouvrir un fichier TRACELLE *.trc</source>
        <translation> Open a TRACELLE *.trc file</translation>
    </message>
    <message>
        <source>Fichiers txt (*.trc)|*.trc|Tous (*.*)|*.*</source>
        <translation>Text files (*.trc)|*.trc|All (*.*)|*.*</translation>
    </message>
    <message>
        <source> L&apos;image relative à ce fichier est différente de l&apos;image actuelle

image actuelle =&lt;%1&gt;
image fichier  =&lt;%2&gt;
 Pour traiter néanmoins cette nouvelle image et sa digitalisation </source>
        <translation> The picture of this file differs from the current picture

current picture =&lt;%1&gt;
file&apos;s picture  =&lt;%2&gt;
 To work on this new picture and its digitizing all the same </translation>
    </message>
    <message>
        <source>(aucun)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Le projet &lt;%1&gt; est introuvable : il est retiré de la liste des projets récents.</source>
        <translation>The project &lt;%1&gt; cannot be found: it is taken off the recent projects.</translation>
    </message>
    <message>
        <source>A partir d&apos;un fichier *.trc , 
remplacement au maximum des 9 valeurs réelles (X,Y,Z) des 3 points de calibration  

1- les autres points digitalisés sont ignorés 
2- seules les coordonnées réelles (X,Y,Z) sont importées
   et non les coordonnées image (x,y)
   =&gt; les 3 points de calibration peuvent provenir d&apos;une autre vue, c&apos;est à dire d&apos;une autre image 
          traitant des mêmes sites de calibration</source>
        <translation>From a *.trc file , 
replaces at most the 9 real values (X,Y,Z) of the 3 calibration points  

1- the other digitized points are ignored 
2- only the real coordinates (X,Y,Z) are imported
   and not the picture coordinates (x,y)
   =&gt; the 3 calibration points may come from another view, that is another picture 
          showing the same calibration sites</translation>
    </message>
    <message>
        <source>Remplacer les valeurs réelles (X,Y) des 3 points de calibration</source>
        <translation>Replace the real values (X,Y) of the 3 calibration points</translation>
    </message>
    <message>
        <source>Fichiers (*.trc)|*.trc</source>
        <translation>Files (*.trc)|*.trc</translation>
    </message>
    <message>
        <source> Importer malgré tout les points de calibration ?</source>
        <translation> Import the calibration points all the same?</translation>
    </message>
    <message>
        <source>Lors du rajout des points image (x,y) du fichier *.trc  ,

1- les points de calibration sont ignorés 
2- les points digitalisés sont importés avec leurs coordonnées image x,y
   et non leur coordonnées réelles X,Y 
   =&gt; la calibration courante éventuellement différente ne modifiera pas l&apos;import (le polygone)
   =&gt; à faire de préférence sur une même image de fond</source>
        <translation>When the picture points (x,y) of the *.trc file are added  ,

1- the calibration points are ignored 
2- the digitized points are imported with their picture coordinates x,y
   and not their real coordinates X,Y 
   =&gt; a current calibration that may differ will not change the import (the polygon)
   =&gt; best done on the same background picture</translation>
    </message>
    <message>
        <source>Compléter avec une série de points associés à la même image</source>
        <translation>Complete with a series of points of the same picture</translation>
    </message>
    <message>
        <source> Importer malgré tout les points X Y ?</source>
        <translation> Import the X Y points all the same?</translation>
    </message>
    <message>
        <source> Le fichier n&apos;est pas compatible </source>
        <translation> The file is not compatible </translation>
    </message>
    <message>
        <source> L&apos;image de fond &lt;%1&gt; est différente de l&apos;image actuelle &lt;%2&gt; 

%3</source>
        <translation> The background picture &lt;%1&gt; differs from the current picture &lt;%2&gt; 

%3</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
</context>
</TS>
