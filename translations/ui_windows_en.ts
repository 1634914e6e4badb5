<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Quitter ?</source>
        <translation>Quit?</translation>
    </message>
</context>
<context>
    <name>QtInteraction</name>
    <message>
        <source>Le fichier %1 existe déjà.
Le remplacer ?</source>
        <translation>The file %1 already exists.
Replace it?</translation>
    </message>
    <message>
        <source>Tous les fichiers (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>traiter</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ouvrir une page PDF</source>
        <translation>Open a PDF page</translation>
    </message>
    <message>
        <source>%1 : %2 pages</source>
        <translation>%1: %2 pages</translation>
    </message>
    <message>
        <source>%1 : %2 page</source>
        <translation>%1: %2 page</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> dpi</translation>
    </message>
    <message>
        <source>Résolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Aucun programme n&apos;a pu ouvrir &lt;%1&gt; : associez un programme à ce type de fichier dans le bureau.</source>
        <translation>No program could open &lt;%1&gt;: associate a program with this type of file in the desktop settings.</translation>
    </message>
</context>
<context>
    <name>QtPictureDecoder</name>
    <message>
        <source>format d&apos;image non reconnu</source>
        <translation>picture format not recognised</translation>
    </message>
    <message>
        <source>Fichiers image|%1|Fichiers JPEG|*.jpg;*.jpeg;*.jpe|Fichiers Bitmap|*.bmp;*.dib|Fichiers TIFF|*.tif;*.tiff|Documents PDF|*.pdf</source>
        <translation>Picture files|%1|JPEG files|*.jpg;*.jpeg;*.jpe|Bitmap files|*.bmp;*.dib|TIFF files|*.tif;*.tiff|PDF documents|*.pdf</translation>
    </message>
</context>
<context>
    <name>ReplaceQuestion</name>
    <message>
        <source>%1 existe déjà. Le remplacer ?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>%1 existent déjà. Les remplacer ?</source>
        <translation>%1 already exist. Replace them?</translation>
    </message>
    <message>
        <source> et </source>
        <translation> and </translation>
    </message>
</context>
<context>
    <name>tracelle::ui::AboutBox</name>
    <message>
        <source>   à propos de...</source>
        <translation>   about...</translation>
    </message>
    <message>
        <source>TRACELLE version %1</source>
        <translation>TRACELLE version %1</translation>
    </message>
    <message>
        <source>appuyez sur une touche</source>
        <translation>press a key</translation>
    </message>
    <message>
        <source>Processeurs : %1</source>
        <translation>Processors: %1</translation>
    </message>
    <message>
        <source>Image=%1 Ko</source>
        <translation>Picture=%1 KB</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::AltitudePanel</name>
    <message>
        <source>delta Z</source>
        <translation>delta Z</translation>
    </message>
    <message>
        <source>décimales</source>
        <translation>decimals</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::CalibrationPanel</name>
    <message>
        <source>affine</source>
        <translation>affine</translation>
    </message>
    <message>
        <source>Helmert</source>
        <translation>Helmert</translation>
    </message>
    <message>
        <source>projective</source>
        <translation>projective</translation>
    </message>
    <message>
        <source>polynomial 2</source>
        <translation>2nd-degree polynomial</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>calibration</translation>
    </message>
    <message>
        <source>3 points ( repère quelconque )</source>
        <translation>3 points ( any axes )</translation>
    </message>
    <message>
        <source>2 points sur une oblique ( hypothénuse )</source>
        <translation>2 points on a slant ( hypotenuse )</translation>
    </message>
    <message>
        <source>2 points horizontaux (=&gt; repère orthonormé )</source>
        <translation>2 horizontal points (=&gt; orthonormal axes )</translation>
    </message>
    <message>
        <source>Calibrer -&gt;</source>
        <translation>Calibrate -&gt;</translation>
    </message>
    <message>
        <source>Retour</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Ajouter un point de contrôle</source>
        <translation>Add a control point</translation>
    </message>
    <message>
        <source>modèle :</source>
        <translation>model:</translation>
    </message>
    <message>
        <source>axes</source>
        <translation>axes</translation>
    </message>
    <message>
        <source>X logarithmique (r en polaire)</source>
        <translation>logarithmic X (r when polar)</translation>
    </message>
    <message>
        <source>Y logarithmique</source>
        <translation>logarithmic Y</translation>
    </message>
    <message>
        <source>polaire (r, θ)</source>
        <translation>polar (r, θ)</translation>
    </message>
    <message>
        <source>degrés</source>
        <translation>degrees</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radians</translation>
    </message>
    <message>
        <source>sens horaire</source>
        <translation>clockwise</translation>
    </message>
    <message>
        <source>le centre du graphe polaire</source>
        <translation>the centre of the polar graph</translation>
    </message>
    <message>
        <source>%1 (%2 points)</source>
        <translation>%1 (%2 points)</translation>
    </message>
    <message>
        <source>centre en r = 1</source>
        <translation>centre at r = 1</translation>
    </message>
    <message>
        <source>centre en r = 0</source>
        <translation>centre at r = 0</translation>
    </message>
    <message>
        <source>centre au point %1</source>
        <translation>centre at point %1</translation>
    </message>
    <message>
        <source>RMS = %1</source>
        <translation>RMS = %1</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::CalibrationTableModel</name>
    <message>
        <source>utilisé</source>
        <translation>used</translation>
    </message>
    <message>
        <source>distance</source>
        <translation>distance</translation>
    </message>
    <message>
        <source>dist. pixels</source>
        <translation>pixel dist.</translation>
    </message>
    <message>
        <source>Les points de contrôle s&apos;ajoutent aux trois points de calage : calez d&apos;abord l&apos;image.</source>
        <translation>Control points are added to the three calibration points: calibrate the picture first.</translation>
    </message>
    <message>
        <source>Le point de contrôle %1</source>
        <translation>Control point %1</translation>
    </message>
    <message>
        <source>Presse-papier</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>Presse-papier : aucun point de contrôle « x y X Y [Z] » à coller.</source>
        <translation>Clipboard: no control point &quot;x y X Y [Z]&quot; to paste.</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::ConverterWindow</name>
    <message>
        <source>REPÈRES
Un même point, la cathédrale de Strasbourg à quelques mètres près :
  UTM WGS 84 : zone 32, bande U, hémisphère N, Est 406 864 m, Nord 5 383 757 m
  degrés décimaux : latitude 48,5999598581, longitude 7,73672367
  degrés minutes secondes : 48° 35&apos; 59,8555&quot; N, 7° 44&apos; 12,2052&quot; E
  approximation kilométrique (Ra 6378, Rb 6347) : x 407 km, y 5384 km

UTM (Mercator transverse universelle)
  La Terre est découpée en 60 fuseaux de 6° de longitude, numérotés de 1 (180° O à
  174° O) à 60 vers l&apos;est ; la France est dans les fuseaux 30, 31 et 32. Chaque fuseau
  est projeté sur un cylindre tangent à son méridien central (−3°, 3°, 9°...), avec un
  facteur d&apos;échelle de 0,9996 sur ce méridien.
  Est : distance au méridien central + 500 000 m (faux Est), entre 166 et 834 km à
  l&apos;équateur. Nord : distance à l&apos;équateur ; dans l&apos;hémisphère sud on ajoute
  10 000 000 m (faux Nord) pour rester positif.
  La lettre (C à X sans I ni O) désigne une bande de 8° de latitude, de −80° à 80° ;
  de C à M on est au sud, de N à X au nord. Z : hors des limites de l&apos;UTM.

ELLIPSOÏDES
  Les coordonnées dépendent de l&apos;ellipsoïde (demi-grand axe a, demi-petit axe b) :
  WGS 84 pour le GPS, International (Hayford 1909) pour l&apos;ED 50, Clarke 1880 pour la
  NTF... Entre deux ellipsoïdes un même point se déplace de plusieurs dizaines de
  mètres. Clic droit dans la colonne Ellipsoïde pour en choisir un.

FORMULES, EN MOTS
  Latitude, longitude -&gt; UTM : le fuseau vient de la longitude, la distance au
  méridien central est développée en série de la différence de longitude (jusqu&apos;à la
  puissance 6), la distance à l&apos;équateur en série de la latitude sur l&apos;ellipsoïde.
  UTM -&gt; latitude, longitude : la latitude d&apos;appui est tirée du Nord, puis corrigée par
  une série de l&apos;écart à 500 000 m. Dans tout le fuseau, l&apos;écart avec la bibliothèque
  de référence PROJ reste sous le millimètre.
  Degrés minutes secondes : 1° = 60&apos;, 1&apos; = 60&quot; ; 48° 35&apos; 59,8555&quot; = 48 + 35/60 +
  59,8555/3600 = 48,5999598.
  Approximation kilométrique : x = (Long − L0) · Ra · cos(Lat) + 500, y = Rb · Lat
  (angles en radians), L0 le milieu du fuseau ; 1° ≈ 111 km, 1&apos; ≈ 1855 m, 1&quot; ≈ 31 m.
</source>
        <translation>REFERENCE POINTS
One and the same point, Strasbourg cathedral to within a few metres:
  UTM WGS 84: zone 32, band U, hemisphere N, East 406 864 m, North 5 383 757 m
  decimal degrees: latitude 48.5999598581, longitude 7.73672367
  degrees minutes seconds: 48° 35&apos; 59.8555&quot; N, 7° 44&apos; 12.2052&quot; E
  kilometric approximation (Ra 6378, Rb 6347): x 407 km, y 5384 km

UTM (Universal Transverse Mercator)
  The Earth is cut into 60 zones 6° of longitude wide, numbered from 1 (180° W to
  174° W) to 60 eastwards; France lies in zones 30, 31 and 32. Each zone is
  projected onto a cylinder tangent to its central meridian (−3°, 3°, 9°...), with a
  scale factor of 0.9996 on that meridian.
  East: distance from the central meridian + 500 000 m (false easting), between 166
  and 834 km at the equator. North: distance from the equator; in the southern
  hemisphere 10 000 000 m (false northing) is added to keep it positive.
  The letter (C to X, without I and O) names a band of 8° of latitude, from −80° to
  80°; C to M lie south, N to X north. Z: outside the limits of UTM.

ELLIPSOIDS
  Coordinates depend on the ellipsoid (semi-major axis a, semi-minor axis b):
  WGS 84 for GPS, International (Hayford 1909) for ED 50, Clarke 1880 for the
  NTF... From one ellipsoid to another the same point moves by several tens of
  metres. Right-click in the Ellipsoid column to choose one.

FORMULAS, IN WORDS
  Latitude, longitude -&gt; UTM: the zone comes from the longitude, the distance from
  the central meridian is expanded as a series in the difference of longitude (up to
  the 6th power), the distance from the equator as a series in the latitude on the
  ellipsoid.
  UTM -&gt; latitude, longitude: the footpoint latitude is drawn from the North, then
  corrected by a series in the offset from 500 000 m. Throughout the zone, the
  difference from the PROJ reference library stays under a millimetre.
  Degrees minutes seconds: 1° = 60&apos;, 1&apos; = 60&quot;; 48° 35&apos; 59.8555&quot; = 48 + 35/60 +
  59.8555/3600 = 48.5999598.
  Kilometric approximation: x = (Long − L0) · Ra · cos(Lat) + 500, y = Rb · Lat
  (angles in radians), L0 the middle of the zone; 1° ≈ 111 km, 1&apos; ≈ 1855 m, 1&quot; ≈ 31 m.
</translation>
    </message>
    <message>
        <source>Convertions</source>
        <translation>Conversions</translation>
    </message>
    <message>
        <source>Séparateur décimal =</source>
        <translation>Decimal separator =</translation>
    </message>
    <message>
        <source>Nombre de points</source>
        <translation>Number of points</translation>
    </message>
    <message>
        <source>Fichier XLS</source>
        <translation>XLS file</translation>
    </message>
    <message>
        <source>Périmètre de la Terre=40076 Km    R=6378 Km  1°=111 Km  1&apos;=1855 m  1&quot;=31m</source>
        <translation>Circumference of the Earth=40076 Km    R=6378 Km  1°=111 Km  1&apos;=1855 m  1&quot;=31m</translation>
    </message>
    <message>
        <source>si   Ra =</source>
        <translation>if   Ra =</translation>
    </message>
    <message>
        <source>et Rb =</source>
        <translation>and Rb =</translation>
    </message>
    <message>
        <source>alors x = (Long - L0) . Ra . cos(Lat) + 500  avec L0, milieu du fuseau  (-3,+3,+9,+15...)  et   y = Rb . Lat   si  Lat &lt; 0  -&gt;  y = y + 10 000 en mètres</source>
        <translation>then x = (Long - L0) . Ra . cos(Lat) + 500  with L0, middle of the zone  (-3,+3,+9,+15...)  and   y = Rb . Lat   if  Lat &lt; 0  -&gt;  y = y + 10 000 in metres</translation>
    </message>
    <message>
        <source> X est compris entre 166 et 834km  (500km +/- 3° * 111.1km/° à l&apos;équateur).</source>
        <translation> X lies between 166 and 834km  (500km +/- 3° * 111.1km/° at the equator).</translation>
    </message>
    <message>
        <source>UTM --&gt; Lat,Long</source>
        <translation>UTM --&gt; Lat,Long</translation>
    </message>
    <message>
        <source>le calcul écrase les Lat et Long</source>
        <translation>the calculation overwrites Lat and Long</translation>
    </message>
    <message>
        <source>Calcul dans TOUS les cas si Lat et Long </source>
        <translation>Calculated in ALL cases if Lat and Long </translation>
    </message>
    <message>
        <source>SI les colonnes Est ET Nord sont vides ALORS Calcul</source>
        <translation>IF the East AND North columns are empty THEN calculated</translation>
    </message>
    <message>
        <source>°lat °long --&gt; Lat Long</source>
        <translation>°lat °long --&gt; Lat Long</translation>
    </message>
    <message>
        <source>dégré ° ---&gt; décimal</source>
        <translation>degrees ° ---&gt; decimal</translation>
    </message>
    <message>
        <source>Lat Long --&gt; °lat °long</source>
        <translation>Lat Long --&gt; °lat °long</translation>
    </message>
    <message>
        <source>décimal ---&gt; degrés °</source>
        <translation>decimal ---&gt; degrees °</translation>
    </message>
    <message>
        <source>Calcul dans TOUS les cas</source>
        <translation>Calculated in ALL cases</translation>
    </message>
    <message>
        <source>Importer un fichier texte (csv)</source>
        <translation>Import a text file (csv)</translation>
    </message>
    <message>
        <source>Importer un fichier XLS UTM-&gt;°lat,]lon</source>
        <translation>Import an XLS file UTM-&gt;°lat,°lon</translation>
    </message>
    <message>
        <source>Importer un fichier XLS °lat,]lon-&gt;UTM</source>
        <translation>Import an XLS file °lat,°lon-&gt;UTM</translation>
    </message>
    <message>
        <source>Lancer Excel avec ...</source>
        <translation>Open Excel with ...</translation>
    </message>
    <message>
        <source>Presse papier</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>F5=recopie -&gt; fin</source>
        <translation>F5=copy down -&gt; end</translation>
    </message>
    <message>
        <source>Aide </source>
        <translation>Help </translation>
    </message>
    <message>
        <source>Aide UTM.pdf</source>
        <translation>Help UTM.pdf</translation>
    </message>
    <message>
        <source>Tout effacer</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Retour</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Quitter direct</source>
        <translation>Quit now</translation>
    </message>
    <message>
        <source>Importer un fichier texte UTM WGS 84 (séparatuer=Tab)</source>
        <translation>Import a UTM WGS 84 text file (separator=Tab)</translation>
    </message>
    <message>
        <source>le fichier doit contenir les colonnes 
(Lib)  en colonne 1     
(Nord) en colonne 4     
(Est)  en colonne 5     </source>
        <translation>the file must hold the columns 
(Label) in column 1     
(North) in column 4     
(East)  in column 5     </translation>
    </message>
    <message>
        <source>importer</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ouvrir un fichier UTM  Lib[1] Nord[4]  Est[5]</source>
        <translation>Open a UTM file  Label[1] North[4]  East[5]</translation>
    </message>
    <message>
        <source>Fichiers (*.txt)|*.txt;*.prn;*.csv</source>
        <translation>Files (*.txt)|*.txt;*.prn;*.csv</translation>
    </message>
    <message>
        <source>%1 positions</source>
        <translation>%1 positions</translation>
    </message>
    <message>
        <source>le fichier doit contenir 
ligne 1 colonne 1 ( Zone ) et 2ème colonne son code UTM
ligne 2 colonne 1 (Ellipsoide) et 2ème colonne son sigle Ex. WGS 84
ligne 3 colonne 1 (Hémisphère) et 2ème colonne son code Ex. N
ligne 4 colonne 1 (Libellé) colonne 2 (X ou Est) colonne 3 (Y ou Nord)
puis les valeurs
La lecture s&apos;arrête si le Libellé est vide</source>
        <translation>the file must hold 
row 1 column 1 ( Zone ) and in the 2nd column its UTM code
row 2 column 1 (Ellipsoid) and in the 2nd column its abbreviation, e.g. WGS 84
row 3 column 1 (Hemisphere) and in the 2nd column its code, e.g. N
row 4 column 1 (Label) column 2 (X or East) column 3 (Y or North)
then the values
Reading stops at an empty Label</translation>
    </message>
    <message>
        <source>Colonne 1(Nom) colonne 2(Latitude) colonne 3(Longitude)
avec O et S remplaçant le signe négatif 15° O=-15° E
La lecture s&apos;arrête si le Nom est vide
et la 1ère ligne n&apos;est pas lue </source>
        <translation>Column 1(Name) column 2(Latitude) column 3(Longitude)
with O (west) and S replacing the minus sign 15° O=-15° E
Reading stops at an empty Name
and the 1st row is not read </translation>
    </message>
    <message>
        <source>Importer un fichier Excel XLS</source>
        <translation>Import an Excel XLS file</translation>
    </message>
    <message>
        <source>Importer</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Exemple</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>Le fichier &lt; %1.xl0 &gt; n&apos;a pas été trouvé</source>
        <translation>The file &lt; %1.xl0 &gt; was not found</translation>
    </message>
    <message>
        <source>Le fichier %1

existe déjà

acceptez-vous d&apos;en perdre le contenu ?</source>
        <translation>The file %1

already exists

do you accept losing its content?</translation>
    </message>
    <message>
        <source>Ecraser</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>copie impossible vers %1 : %2</source>
        <translation>cannot copy to %1: %2</translation>
    </message>
    <message>
        <source>Ouvrir un fichier UTM  Lib[1] X ou Est[2] Y ou Nord[3]</source>
        <translation>Open a UTM file  Label[1] X or East[2] Y or North[3]</translation>
    </message>
    <message>
        <source>Ouvrir un fichier Lat/Lon  Lib[1] Lat[2]  Long[3] </source>
        <translation>Open a Lat/Lon file  Label[1] Lat[2]  Long[3] </translation>
    </message>
    <message>
        <source>|Fichiers (*.xls; *.txt)|*.xls;*.txt|Tous les fichiers (*.*)|*.*</source>
        <translation>|Files (*.xls; *.txt)|*.xls;*.txt|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Le fichier &lt;%1&gt; n&apos;est pas valide<byte value="xd"/>veuillez désactiver cette macro complémentaire...</source>
        <translation>The file &lt;%1&gt; is not valid<byte value="xd"/>please disable this add-in...</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Aucun classeur : importez d&apos;abord un fichier XLS</source>
        <translation>No workbook: import an XLS file first</translation>
    </message>
    <message>
        <source>&lt;%1&gt; introuvable</source>
        <translation>&lt;%1&gt; not found</translation>
    </message>
    <message>
        <source>Voulez-vous copier le tableazu <byte value="xd"/>  dans le presse papier (valeurs séparées par TABULATION) <byte value="xd"/>  et dans un fichier &lt;UTMpresse_papier.txt&gt; ?</source>
        <translation>Do you want to copy the table <byte value="xd"/>  to the clipboard (values separated by TAB) <byte value="xd"/>  and to a file &lt;UTMpresse_papier.txt&gt;?</translation>
    </message>
    <message>
        <source>Le presse-papier est à jour  <byte value="xd"/> ainsi que le fichier &lt;%1&gt;</source>
        <translation>The clipboard is up to date  <byte value="xd"/> and so is the file &lt;%1&gt;</translation>
    </message>
    <message>
        <source>Les lignes du tableau vont être remplacées par celles du fichier. Continuer ?</source>
        <translation>The table&apos;s rows will be replaced by the file&apos;s. Continue?</translation>
    </message>
    <message>
        <source>recopie</source>
        <translation>copy down</translation>
    </message>
    <message>
        <source>copier &lt;%1&gt;  j&apos;usqu&apos;à la fin</source>
        <translation>copy &lt;%1&gt;  down to the end</translation>
    </message>
    <message>
        <source>recopier</source>
        <translation>Copy down</translation>
    </message>
    <message>
        <source>Fermer l&apos;aide</source>
        <translation>Close the help</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&lt;Projection_UTM.pdf&gt; introuvable</source>
        <translation>&lt;Projection_UTM.pdf&gt; not found</translation>
    </message>
    <message>
        <source>Effacer toutes les valeurs du tableau ?</source>
        <translation>Clear every value of the table?</translation>
    </message>
    <message>
        <source>°lat,°long °&apos;&quot;--&gt; UTM  (tous)</source>
        <translation>°lat,°long °&apos;&quot;--&gt; UTM  (all)</translation>
    </message>
    <message>
        <source>°lat,°long °&apos;&quot;--&gt; UTM (vide) </source>
        <translation>°lat,°long °&apos;&quot;--&gt; UTM (empty) </translation>
    </message>
    <message>
        <source>°lat,°long °&apos;&quot;--&gt; x et y </source>
        <translation>°lat,°long °&apos;&quot;--&gt; x and y </translation>
    </message>
</context>
<context>
    <name>tracelle::ui::ExportPanel</name>
    <message>
        <source>Enregistrement dans 1 ou 2 fichiers</source>
        <translation>Saving into 1 or 2 files</translation>
    </message>
    <message>
        <source>Fichier n°1  *.trc =&gt; pour Tracelle</source>
        <translation>File no. 1  *.trc =&gt; for Tracelle</translation>
    </message>
    <message>
        <source>Fichier n°2 formaté selon les choix suivants...</source>
        <translation>File no. 2 formatted by the choices below...</translation>
    </message>
    <message>
        <source>et presse-papier</source>
        <translation>and clipboard</translation>
    </message>
    <message>
        <source>n : n° de point</source>
        <translation>n : point no.</translation>
    </message>
    <message>
        <source>L  : n° de ligne </source>
        <translation>L  : line no. </translation>
    </message>
    <message>
        <source>Libellé</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>X : valeurs réelles</source>
        <translation>X : real values</translation>
    </message>
    <message>
        <source>Y : valeurs réelles</source>
        <translation>Y : real values</translation>
    </message>
    <message>
        <source>x : coordonnées image</source>
        <translation>x : picture coordinates</translation>
    </message>
    <message>
        <source>y : coordonnées image</source>
        <translation>y : picture coordinates</translation>
    </message>
    <message>
        <source>z : coordonnées image</source>
        <translation>z : picture coordinates</translation>
    </message>
    <message>
        <source>distance inter points</source>
        <translation>distance between points</translation>
    </message>
    <message>
        <source>Z : valeurs réelles</source>
        <translation>Z : real values</translation>
    </message>
    <message>
        <source>distance cumulée</source>
        <translation>cumulative distance</translation>
    </message>
    <message>
        <source>avec les 3 points de calibration</source>
        <translation>with the 3 calibration points</translation>
    </message>
    <message>
        <source>juste les lignes affichées</source>
        <translation>only the lines shown</translation>
    </message>
    <message>
        <source>point</source>
        <translation>point</translation>
    </message>
    <message>
        <source>virgule</source>
        <translation>comma</translation>
    </message>
    <message>
        <source>séparateur décimal</source>
        <translation>decimal separator</translation>
    </message>
    <message>
        <source>virgule + espace (Surfer *.bln)</source>
        <translation>comma + space (Surfer *.bln)</translation>
    </message>
    <message>
        <source>tabulation (#9)</source>
        <translation>tab (#9)</translation>
    </message>
    <message>
        <source>personnalisé =&gt;</source>
        <translation>custom =&gt;</translation>
    </message>
    <message>
        <source>séparateur de données</source>
        <translation>data separator</translation>
    </message>
    <message>
        <source>extention du fichier</source>
        <translation>file extension</translation>
    </message>
    <message>
        <source>1ère ligne (*.bln)</source>
        <translation>1st line (*.bln)</translation>
    </message>
    <message>
        <source>nb points (séparateur) ET</source>
        <translation>nb of points (separator) AND</translation>
    </message>
    <message>
        <source>EXPORT normalisé</source>
        <translation>Normalised EXPORT</translation>
    </message>
    <message>
        <source>le pas dX d&apos;extraction normalisé =&gt;</source>
        <translation>the normalised extraction step dX =&gt;</translation>
    </message>
    <message>
        <source>X mini</source>
        <translation>X min</translation>
    </message>
    <message>
        <source>X maxi</source>
        <translation>X max</translation>
    </message>
    <message>
        <source>X mini lu</source>
        <translation>X min read</translation>
    </message>
    <message>
        <source>X maxi lu</source>
        <translation>X max read</translation>
    </message>
    <message>
        <source>le plus proche</source>
        <translation>the nearest</translation>
    </message>
    <message>
        <source>par régression linéaire entre deux points adjacents</source>
        <translation>by linear regression between two adjacent points</translation>
    </message>
    <message>
        <source>recherche ou calcul</source>
        <translation>search or calculation</translation>
    </message>
    <message>
        <source>Traiter</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Le séparateur décimal sur cet ordinateur est  la virgule</source>
        <translation>The decimal separator on this computer is  the comma</translation>
    </message>
    <message>
        <source>Le séparateur décimal sur cet ordinateur est  le point</source>
        <translation>The decimal separator on this computer is  the point</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::GeoreferencedPicturePanel</name>
    <message>
        <source>Enregistrer l&apos;image géoréférencée</source>
        <translation>Save the georeferenced picture</translation>
    </message>
    <message>
        <source>fichier de calage et .prj à côté de l&apos;image</source>
        <translation>world file and .prj beside the picture</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Retour</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>GeoTIFF (*.tif)|*.tif|Tous les fichiers (*.*)|*.*</source>
        <translation>GeoTIFF (*.tif)|*.tif|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>Le GeoTIFF remplacerait l&apos;image elle-même : choisissez un autre nom.</source>
        <translation>The GeoTIFF would replace the picture itself: choose another name.</translation>
    </message>
    <message>
        <source>un calage projectif ou polynomial ne tient pas dans un fichier de calage</source>
        <translation>a projective or polynomial calibration does not fit in a world file</translation>
    </message>
    <message>
        <source>Rien à écrire : cochez le fichier de calage ou le GeoTIFF.</source>
        <translation>Nothing to write: tick the world file or the GeoTIFF.</translation>
    </message>
    <message>
        <source>Écrit : %1</source>
        <translation>Written: %1</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::GisExportSection</name>
    <message>
        <source>Exporter pour un SIG / une CAO</source>
        <translation>Export for a GIS / CAD</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source> ; le %1 demande un système</source>
        <translation>; %1 needs a system</translation>
    </message>
    <message>
        <source>Exporter</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>%1 (*.%2)|*.%2|Tous les fichiers (*.*)|*.*</source>
        <translation>%1 (*.%2)|*.%2|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>%1 lignes</source>
        <translation>%1 lines</translation>
    </message>
    <message>
        <source>%1 ligne</source>
        <translation>%1 line</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>%1 point</source>
        <translation>%1 point</translation>
    </message>
    <message>
        <source>Écrit : %1 (%2, %3)</source>
        <translation>Written: %1 (%2, %3)</translation>
    </message>
    <message>
        <source> et </source>
        <translation> and </translation>
    </message>
</context>
<context>
    <name>tracelle::ui::GraphWindow</name>
    <message>
        <source>   Graphe 3D</source>
        <translation>   3D graph</translation>
    </message>
    <message>
        <source>initialisation</source>
        <translation>reset</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoom</translation>
    </message>
    <message>
        <source>rotation [flèches]</source>
        <translation>rotation [arrows]</translation>
    </message>
    <message>
        <source>translation  [Ctr+flèches]</source>
        <translation>shift  [Ctrl+arrows]</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>Retour</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Enregistrer le graphe</source>
        <translation>Save the graph</translation>
    </message>
    <message>
        <source>Image PNG (*.png)|*.png</source>
        <translation>PNG picture (*.png)|*.png</translation>
    </message>
    <message>
        <source>l&apos;image du graphe n&apos;a pas pu être codée en PNG</source>
        <translation>the picture of the graph could not be encoded as PNG</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::HelpWindow</name>
    <message>
        <source>     A  I  D  E     [ F 1 ]   p o u r    r e s s o r t i r </source>
        <translation>     H  E  L  P     [ F 1 ]   t o    g o    b a c k </translation>
    </message>
</context>
<context>
    <name>tracelle::ui::MessageDialog</name>
    <message>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::PictureConversionWindow</name>
    <message>
        <source>e m f</source>
        <translation>e m f</translation>
    </message>
    <message>
        <source>nom</source>
        <translation>name</translation>
    </message>
    <message>
        <source>image de départ</source>
        <translation>source picture</translation>
    </message>
    <message>
        <source>bitmap</source>
        <translation>bitmap</translation>
    </message>
    <message>
        <source>1 -&gt;  Ouvrir *.emf *.wmf *.bmp</source>
        <translation>1 -&gt;  Open *.emf *.wmf *.bmp</translation>
    </message>
    <message>
        <source>3 -&gt; appliquer</source>
        <translation>3 -&gt; apply</translation>
    </message>
    <message>
        <source>4 -&gt; Enregistrer</source>
        <translation>4 -&gt; Save</translation>
    </message>
    <message>
        <source>5- Lecture test</source>
        <translation>5- Test reading</translation>
    </message>
    <message>
        <source>2 -&gt; couleur de fond</source>
        <translation>2 -&gt; background colour</translation>
    </message>
    <message>
        <source>Clik pour changer éventuellement la couleur de fond</source>
        <translation>Click to change the background colour if needed</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Largeur approximative de la figure en cm</source>
        <translation>Approximate width of the figure in cm</translation>
    </message>
    <message>
        <source>Résolution souhaitée en dpi</source>
        <translation>Wanted resolution in dpi</translation>
    </message>
    <message>
        <source>Largeur résultante en pixels - &gt; </source>
        <translation>Resulting width in pixels - &gt; </translation>
    </message>
    <message>
        <source>Largeur actuelle en pixxels</source>
        <translation>Current width in pixels</translation>
    </message>
    <message>
        <source>page du PDF</source>
        <translation>PDF page</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>  LxH=%1</source>
        <translation>  WxH=%1</translation>
    </message>
    <message>
        <source>picture LxHxb=%1</source>
        <translation>picture WxHxb=%1</translation>
    </message>
    <message>
        <source>image   LxHxb=%1</source>
        <translation>shown   WxHxb=%1</translation>
    </message>
    <message>
        <source>%1 =&gt; Bitmap</source>
        <translation>%1 =&gt; Bitmap</translation>
    </message>
    <message>
        <source>Aucune image à enregistrer : ouvrez une image puis appliquez (étapes 1 et 3).</source>
        <translation>No picture to save: open a picture, then apply (steps 1 and 3).</translation>
    </message>
    <message>
        <source>ENREGISTRER l&apos;image BITMAP</source>
        <translation>SAVE the BITMAP picture</translation>
    </message>
    <message>
        <source>Fichiers image (*.bmp;*.jpg;*.tif)|*.bmp;*.jpg;*.tif|Tous les fichiers (*.*)|*.*</source>
        <translation>Picture files (*.bmp;*.jpg;*.tif)|*.bmp;*.jpg;*.tif|All files (*.*)|*.*</translation>
    </message>
    <message>
        <source>images *.emf, *.wmf, *.bmp|*.emf;*.wmf;*.bmp|toutes |*.emf;*.wmf;*.bmp;*.jpg;*.jpeg;*.ico;*.pdf|PDF (*.pdf)|*.pdf</source>
        <translation>pictures *.emf, *.wmf, *.bmp|*.emf;*.wmf;*.bmp|all |*.emf;*.wmf;*.bmp;*.jpg;*.jpeg;*.ico;*.pdf|PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>%1 existe déjà. Le remplacer ?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::PointsTableWindow</name>
    <message>
        <source>Points digitalisés</source>
        <translation>Digitized points</translation>
    </message>
    <message>
        <source>la touche Alt Graphique = un clik gauche</source>
        <translation>the Alt Gr key = a left click</translation>
    </message>
    <message>
        <source>clik gauche = AltGr ou Ctrl</source>
        <translation>left click = AltGr or Ctrl</translation>
    </message>
    <message>
        <source>système de coordonnées de l&apos;image géoréférencée</source>
        <translation>coordinate system of the georeferenced picture</translation>
    </message>
    <message>
        <source>décimales (puis &lt;Entrée&gt;)</source>
        <translation>decimals (then &lt;Enter&gt;)</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>Supprimer le point</source>
        <translation>Delete the point</translation>
    </message>
    <message>
        <source>Supprimer la ligne courante</source>
        <translation>Delete the current line</translation>
    </message>
    <message>
        <source>Tout afficher</source>
        <translation>Show all</translation>
    </message>
    <message>
        <source>Tout désélectionner</source>
        <translation>Deselect all</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Nouvelle calibration</source>
        <translation>New calibration</translation>
    </message>
    <message>
        <source>échelle</source>
        <translation>scale</translation>
    </message>
    <message>
        <source>Graphe F7</source>
        <translation>Graph F7</translation>
    </message>
    <message>
        <source>Quit direct</source>
        <translation>Quit now</translation>
    </message>
    <message>
        <source> Pour changer le facteur d&apos;échelle il faut générer une ligne de 2 points,<byte value="xd"/><byte value="xd"/> calculer la distance (Touche d) et mettre à l&apos;échelle</source>
        <translation> To change the scale factor, make a line of 2 points,<byte value="xd"/><byte value="xd"/> measure its distance (key d) and rescale</translation>
    </message>
    <message>
        <source>altitude Z + -  (F2,F3)</source>
        <translation>altitude Z + -  (F2,F3)</translation>
    </message>
    <message>
        <source>F9 = recopie l&apos;altitude pour le reste des points</source>
        <translation>F9 = copies the altitude down to the rest of the points</translation>
    </message>
    <message>
        <source>Affiche Lib.  Taille</source>
        <translation>Show labels  Size</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur entière correcte</source>
        <translation>&apos;%1&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>Enregistrer (points+cal) et  Export</source>
        <translation>Save (points+cal) and  Export</translation>
    </message>
    <message>
        <source>Export Presse-papier (pts+cal)</source>
        <translation>Export to clipboard (pts+cal)</translation>
    </message>
    <message>
        <source>rajouter des points digitalisés</source>
        <translation>add digitized points</translation>
    </message>
    <message>
        <source>*.TXT rajouter des points (X,Y,Lib)</source>
        <translation>*.TXT add points (X,Y,Label)</translation>
    </message>
    <message>
        <source>*.XLS rajouter des points (X,Y,Lib)</source>
        <translation>*.XLS add points (X,Y,Label)</translation>
    </message>
    <message>
        <source>rajouter (lib,  distance, cap)</source>
        <translation>add (label,  distance, bearing)</translation>
    </message>
    <message>
        <source>récup. Cal XY</source>
        <translation>get Cal XY</translation>
    </message>
    <message>
        <source>CalXY coller</source>
        <translation>CalXY paste</translation>
    </message>
    <message>
        <source>Supprimer la ligne courante n° %1</source>
        <translation>Delete the current line no. %1</translation>
    </message>
    <message>
        <source>supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>recopier</source>
        <translation>Copy down</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::ScalePanel</name>
    <message>
        <source>mise à l&apos;échelle -&gt;</source>
        <translation>rescale -&gt;</translation>
    </message>
    <message>
        <source>Retour</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>distance réelle:</source>
        <translation>real distance:</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::SheetImportPanel</name>
    <message>
        <source>Indices des colonnes du fichier</source>
        <translation>The file&apos;s column numbers</translation>
    </message>
    <message>
        <source>Libellé</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>n° de ligne de début</source>
        <translation>first row no.</translation>
    </message>
    <message>
        <source>0 : pas de colonne Z</source>
        <translation>0: no Z column</translation>
    </message>
    <message>
        <source>Traiter le fichier</source>
        <translation>Process the file</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::Splash</name>
    <message>
        <source>Digitalisation de cartes, plans et graphes
version %1</source>
        <translation>Digitizing maps, plans and graphs
version %1</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::SystemChooser</name>
    <message>
        <source>systèmes courants...</source>
        <translation>common systems...</translation>
    </message>
    <message>
        <source>Système de coordonnées (EPSG)</source>
        <translation>Coordinate system (EPSG)</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::TextPanel</name>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Vider le texte</source>
        <translation>Clear the text</translation>
    </message>
    <message>
        <source>Efface le texte</source>
        <translation>Clears the text</translation>
    </message>
    <message>
        <source>Copier -&gt; pp</source>
        <translation>Copy -&gt; clip.</translation>
    </message>
    <message>
        <source>Copie l&apos;ensemble du texte dans le presse-papier</source>
        <translation>Copies the whole text to the clipboard</translation>
    </message>
    <message>
        <source>Rajouter -&gt; pp</source>
        <translation>Append -&gt; clip.</translation>
    </message>
    <message>
        <source>Rajoute l&apos;ensemble du texte dans le presse-papier</source>
        <translation>Appends the whole text to the clipboard</translation>
    </message>
    <message>
        <source>Bloc note</source>
        <translation>Notepad</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>le texte à été copié dans le presse papier</source>
        <translation>the text has been copied to the clipboard</translation>
    </message>
    <message>
        <source>le texte à été rajouté dans le presse papier</source>
        <translation>the text has been appended to the clipboard</translation>
    </message>
</context>
<context>
    <name>tracelle::ui::TextTableModel</name>
    <message>
        <source>Libellé</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>épaisseur</source>
        <translation>thickness</translation>
    </message>
    <message>
        <source>couleur</source>
        <translation>colour</translation>
    </message>
    <message>
        <source>Est (X)</source>
        <translation>East (X)</translation>
    </message>
    <message>
        <source>Nord (Y)</source>
        <translation>North (Y)</translation>
    </message>
    <message>
        <source>UTM lettre</source>
        <translation>UTM letter</translation>
    </message>
    <message>
        <source>Hémisphère</source>
        <translation>Hemisphere</translation>
    </message>
    <message>
        <source>Ellipsoïde</source>
        <translation>Ellipsoid</translation>
    </message>
    <message>
        <source>°latitude</source>
        <translation>°latitude</translation>
    </message>
    <message>
        <source>°longitude</source>
        <translation>°longitude</translation>
    </message>
    <message>
        <source>n°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
