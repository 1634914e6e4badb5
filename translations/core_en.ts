<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ArcInfoHeader</name>
    <message>
        <source>&lt;%1&gt; : la clé « %2 » manque</source>
        <translation>&lt;%1&gt;: the key &quot;%2&quot; is missing</translation>
    </message>
    <message>
        <source>%1 impossible à ouvrir</source>
        <translation>%1 cannot be opened</translation>
    </message>
    <message>
        <source>&lt;%1&gt; : ncols et nrows comptent les pixels de l&apos;image : %2 x %3 n&apos;en fait aucun</source>
        <translation>&lt;%1&gt;: ncols and nrows count the picture&apos;s pixels: %2 x %3 makes none</translation>
    </message>
    <message>
        <source> (ni xllcorner, ni xllcenter)</source>
        <translation> (nor xllcorner, nor xllcenter)</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>disque plein</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>quota du disque dépassé</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>fichier trop grand pour ce disque</source>
        <translation>file too large for this disk</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>disque en lecture seule</source>
        <translation>read-only disk</translation>
    </message>
    <message>
        <source>fichier ou dossier introuvable</source>
        <translation>file or folder not found</translation>
    </message>
    <message>
        <source>chemin invalide</source>
        <translation>invalid path</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>nom trop long</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>erreur d&apos;entrée-sortie du disque</source>
        <translation>disk input/output error</translation>
    </message>
    <message>
        <source>trop de fichiers ouverts</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>erreur système %1 (%2)</source>
        <translation>system error %1 (%2)</translation>
    </message>
    <message>
        <source>impossible de créer le fichier %1 : %2</source>
        <translation>cannot create the file %1: %2</translation>
    </message>
    <message>
        <source>écriture impossible dans le fichier %1 : %2</source>
        <translation>cannot write to the file %1: %2</translation>
    </message>
    <message>
        <source>le fichier %1 n&apos;a pas été ouvert</source>
        <translation>the file %1 was not opened</translation>
    </message>
    <message>
        <source>impossible de remplacer le fichier %1 : %2</source>
        <translation>cannot replace the file %1: %2</translation>
    </message>
</context>
<context>
    <name>BiffWorkbook</name>
    <message>
        <source>le classeur est endommagé ou d&apos;un format non reconnu</source>
        <translation>the workbook is damaged or in an unknown format</translation>
    </message>
    <message>
        <source>le fichier est introuvable ou illisible</source>
        <translation>the file is missing or unreadable</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>le fichier ne contient pas de classeur Excel</source>
        <translation>the file holds no Excel workbook</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un classeur Excel 97-2003 (*.xls)</source>
        <translation>this is not an Excel 97-2003 workbook (*.xls)</translation>
    </message>
</context>
<context>
    <name>BmpCodec</name>
    <message>
        <source>fichier tronqué</source>
        <translation>truncated file</translation>
    </message>
    <message>
        <source>%1 bits par pixel</source>
        <translation>%1 bits per pixel</translation>
    </message>
    <message>
        <source>compression RLE incompatible avec %1</source>
        <translation>RLE compression incompatible with %1</translation>
    </message>
    <message>
        <source>en-tête BMP invalide (image RLE de haut en bas)</source>
        <translation>invalid BMP header (top-down RLE picture)</translation>
    </message>
    <message>
        <source>compression par masques de couleurs incompatible avec %1</source>
        <translation>colour mask compression incompatible with %1</translation>
    </message>
    <message>
        <source>compression BMP non prise en charge (JPEG ou PNG incorporé)</source>
        <translation>unsupported BMP compression (embedded JPEG or PNG)</translation>
    </message>
    <message>
        <source>compression BMP non reconnue</source>
        <translation>unknown BMP compression</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir le fichier</source>
        <translation>cannot open the file</translation>
    </message>
    <message>
        <source>ce fichier n&apos;est pas une image BMP</source>
        <translation>this file is not a BMP picture</translation>
    </message>
    <message>
        <source>version d&apos;en-tête BMP non prise en charge (%1 octets)</source>
        <translation>unsupported BMP header version (%1 bytes)</translation>
    </message>
    <message>
        <source>taille d&apos;image invalide</source>
        <translation>invalid picture size</translation>
    </message>
    <message>
        <source>profondeur de couleur BMP non prise en charge (%1 bits par pixel)</source>
        <translation>unsupported BMP colour depth (%1 bits per pixel)</translation>
    </message>
    <message>
        <source>masques de couleurs BMP invalides</source>
        <translation>invalid BMP colour masks</translation>
    </message>
    <message>
        <source>position des pixels BMP invalide</source>
        <translation>invalid BMP pixel position</translation>
    </message>
    <message>
        <source>palette BMP absente</source>
        <translation>BMP palette missing</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>image vide : rien à enregistrer</source>
        <translation>empty picture: nothing to save</translation>
    </message>
    <message>
        <source>image trop grande pour le format BMP (plus de 4 Go)</source>
        <translation>picture too large for the BMP format (over 4 GB)</translation>
    </message>
</context>
<context>
    <name>CalagePoints</name>
    <message>
        <source>&lt;%1&gt; : les trois points de calage sont alignés (sur l&apos;image ou sur le terrain) : aucun point ne pourrait être calé</source>
        <translation>&lt;%1&gt;: the three calibration points are in a line (on the picture or on the ground): no point could be calibrated</translation>
    </message>
    <message>
        <source>&lt;%1&gt; n&apos;est pas une valeur entière err=%2</source>
        <translation>&lt;%1&gt; is not an integer value err=%2</translation>
    </message>
    <message>
        <source>&lt;%1&gt; : des coordonnées de calage ne sont pas des nombres finis : aucun point ne pourrait être calé</source>
        <translation>&lt;%1&gt;: some calibration coordinates are not finite numbers: no point could be calibrated</translation>
    </message>
    <message>
        <source>&lt;%1&gt; : les coordonnées sont trop grandes devant la taille des pixels : les points de calage ne seraient pas tenus assez précisément</source>
        <translation>&lt;%1&gt;: the coordinates are too large for the size of the pixels: the calibration points would not be held precisely enough</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>Avec ce 2ème point, le 3ème point de calage déduit se confondrait avec un point cliqué : cliquez un autre 2ème point</source>
        <translation>With this 2nd point, the 3rd calibration point derived from it would fall on a clicked point: click another 2nd point</translation>
    </message>
    <message>
        <source>n&apos;oubliez pas d&apos;affecter les bonnes valeurs aux X Y des 3 points de calages !</source>
        <translation>remember to give the right X Y values to the 3 calibration points!</translation>
    </message>
    <message>
        <source>Les 3 premiers points cliqués sont les points de calage 

    entrez leur coordonnée</source>
        <translation>The first 3 points clicked are the calibration points 

    enter their coordinates</translation>
    </message>
    <message>
        <source>valeur &lt;%1&gt; non numérique ou distance nulle </source>
        <translation>value &lt;%1&gt; not numeric or zero distance </translation>
    </message>
    <message>
        <source> Mise à l&apos;échelle = calcul des calibrations
  distance calculée  = %1
  distance réelle    = %2
  facteur d&apos;échelle = %3</source>
        <translation> Rescaling = computing the calibrations
  computed distance = %1
  real distance     = %2
  scale factor      = %3</translation>
    </message>
</context>
<context>
    <name>CalibrationSections</name>
    <message>
        <source>le modèle de calage (affine, helmert, projective ou poly2) et ses axes sont attendus, et non &lt;%1&gt;</source>
        <translation>the calibration model (affine, helmert, projective or poly2) and its axes are expected, not &lt;%1&gt;</translation>
    </message>
    <message>
        <source>le nombre de points de contrôle, un entier positif ou nul, est attendu, et non &lt;%1&gt;</source>
        <translation>the number of control points, a positive integer or zero, is expected, not &lt;%1&gt;</translation>
    </message>
    <message>
        <source>il manque des points de contrôle : %1 sont annoncés</source>
        <translation>control points are missing: %1 are announced</translation>
    </message>
    <message>
        <source>des numéros de points de contrôle sont attendus, et non &lt;%1&gt;</source>
        <translation>control point numbers are expected, not &lt;%1&gt;</translation>
    </message>
</context>
<context>
    <name>Cap</name>
    <message>
        <source>%1/%2=&gt; D=%3 cap=%4</source>
        <translation>%1/%2=&gt; D=%3 bearing=%4</translation>
    </message>
    <message>
        <source> distance cumulée à partir de (%1)... </source>
        <translation> cumulative distance from (%1)... </translation>
    </message>
    <message>
        <source> distance cumulée +(%1 à %2) = %3</source>
        <translation> cumulative distance +(%1 to %2) = %3</translation>
    </message>
</context>
<context>
    <name>CellGrid</name>
    <message>
        <source>la feuille a plus de %1 colonnes</source>
        <translation>the sheet has more than %1 columns</translation>
    </message>
    <message>
        <source>la feuille a plus de %1 lignes</source>
        <translation>the sheet has more than %1 rows</translation>
    </message>
</context>
<context>
    <name>CommonSystems</name>
    <message>
        <source>coordonnées locales</source>
        <translation>local coordinates</translation>
    </message>
    <message>
        <source>Lambert II étendu</source>
        <translation>Lambert II extended</translation>
    </message>
    <message>
        <source>Pseudo-Mercator (cartes du web)</source>
        <translation>Pseudo-Mercator (web maps)</translation>
    </message>
</context>
<context>
    <name>ControlPointText</name>
    <message>
        <source>%1 : ligne %2 : « x y X Y [Z] » est attendu, et non &lt;%3&gt;</source>
        <translation>%1: line %2: &quot;x y X Y [Z]&quot; is expected, not &lt;%3&gt;</translation>
    </message>
</context>
<context>
    <name>CoordinateSystem</name>
    <message>
        <source>aucun : coordonnées locales, sans système</source>
        <translation>aucun: local coordinates, without a system</translation>
    </message>
    <message>
        <source>code EPSG inconnu : %1</source>
        <translation>unknown EPSG code: %1</translation>
    </message>
    <message>
        <source>chaîne PROJ non comprise (%1)</source>
        <translation>PROJ string not understood (%1)</translation>
    </message>
    <message>
        <source>ni un code EPSG, ni une chaîne PROJ, ni « aucun »</source>
        <translation>neither an EPSG code, nor a PROJ string, nor &quot;aucun&quot;</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un système de coordonnées</source>
        <translation>&quot;%1&quot; is not a coordinate system</translation>
    </message>
    <message>
        <source>système sans nom</source>
        <translation>unnamed system</translation>
    </message>
    <message>
        <source>« %1 » ne situe pas les X, Y d&apos;une carte</source>
        <translation>&quot;%1&quot; does not place the X, Y of a map</translation>
    </message>
    <message>
        <source>aucun système : les points ne se situent pas sur la Terre</source>
        <translation>no system: the points are not placed on the Earth</translation>
    </message>
    <message>
        <source>pas de transformation de « %1 » vers WGS 84</source>
        <translation>no transformation from &quot;%1&quot; to WGS 84</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>ce n&apos;est ni un classeur ni un texte</source>
        <translation>this is neither a workbook nor a text</translation>
    </message>
    <message>
        <source>le fichier est une page HTML ou XML, pas un classeur</source>
        <translation>the file is an HTML or XML page, not a workbook</translation>
    </message>
    <message>
        <source>guillemet non refermé à la ligne %1</source>
        <translation>unclosed quotation mark on line %1</translation>
    </message>
</context>
<context>
    <name>CurveInBox</name>
    <message>
        <source>Pas de courbe dans le cadre : tirer le cadre sur une courbe d&apos;une autre couleur que le fond</source>
        <translation>No curve in the box: drag the box over a curve of another colour than the background</translation>
    </message>
    <message>
        <source>La couleur choisie n&apos;est pas dans le cadre</source>
        <translation>The chosen colour is not in the box</translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>fichier introuvable ou illisible</source>
        <translation>file missing or unreadable</translation>
    </message>
    <message>
        <source>fichier vide</source>
        <translation>empty file</translation>
    </message>
    <message>
        <source>format d&apos;image non reconnu</source>
        <translation>unknown picture format</translation>
    </message>
    <message>
        <source>Impossible de lire l&apos;image %1 :
%2</source>
        <translation>Cannot read the picture %1:
%2</translation>
    </message>
</context>
<context>
    <name>Descriptor</name>
    <message>
        <source>&lt;%1&gt; impossible à ouvrir : %2</source>
        <translation>&lt;%1&gt; cannot be opened: %2</translation>
    </message>
    <message>
        <source>&lt;%1&gt; illisible : %2</source>
        <translation>&lt;%1&gt; unreadable: %2</translation>
    </message>
    <message>
        <source>&lt;%1&gt; fait plus de 1 Mo : ce n&apos;est pas un fichier de calage</source>
        <translation>&lt;%1&gt; is over 1 MB: it is not a calibration file</translation>
    </message>
    <message>
        <source>&lt;%1&gt; est vide</source>
        <translation>&lt;%1&gt; is empty</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>l&apos;export normalisé demande plus de 10 000 000 pas : augmentez le pas ou réduisez l&apos;intervalle de X</source>
        <translation>the normalised export needs more than 10,000,000 steps: increase the step or reduce the X interval</translation>
    </message>
</context>
<context>
    <name>FollowLine</name>
    <message>
        <source>Pas de trait sous le clic : cliquer sur une ligne d&apos;une autre couleur que le fond</source>
        <translation>No line under the click: click on a line of another colour than the background</translation>
    </message>
    <message>
        <source>La couleur choisie n&apos;est pas sous le clic</source>
        <translation>The chosen colour is not under the click</translation>
    </message>
</context>
<context>
    <name>GeoTiff</name>
    <message>
        <source>matrice de transformation GeoTIFF incomplète (%1 valeurs au lieu de 16)</source>
        <translation>incomplete GeoTIFF transformation matrix (%1 values instead of 16)</translation>
    </message>
    <message>
        <source>image GeoTIFF calée par des points d&apos;appui sans échelle ni transformation : ce calage n&apos;est pas pris en charge</source>
        <translation>GeoTIFF picture calibrated by tie points without scale or transformation: this calibration is not supported</translation>
    </message>
</context>
<context>
    <name>GeoTiffExport</name>
    <message>
        <source>Mémoire insuffisante pour l&apos;image géoréférencée.</source>
        <translation>Not enough memory for the georeferenced picture.</translation>
    </message>
    <message>
        <source>Le calage ne se ramène pas à une image orientée au nord.</source>
        <translation>The calibration does not reduce to a north-up picture.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire &lt;%1&gt;</source>
        <translation>Cannot write &lt;%1&gt;</translation>
    </message>
    <message>
        <source>« %1 » ne s&apos;écrit pas dans un GeoTIFF</source>
        <translation>&quot;%1&quot; cannot be written into a GeoTIFF</translation>
    </message>
</context>
<context>
    <name>Georef</name>
    <message>
        <source>&lt;%1&gt; impossible à ouvrir</source>
        <translation>&lt;%1&gt; cannot be opened</translation>
    </message>
    <message>
        <source>
 (point de calage %1 de %2)</source>
        <translation>
 (calibration point %1 of %2)</translation>
    </message>
    <message>
        <source>&lt;%1&gt; décrit une image de %2 x %3 pixels, &lt;%4&gt; en a %5 x %6 : ce calage ne lui correspond pas</source>
        <translation>&lt;%1&gt; describes a picture of %2 x %3 pixels, &lt;%4&gt; has %5 x %6: this calibration does not match it</translation>
    </message>
</context>
<context>
    <name>GeoreferencedPicture</name>
    <message>
        <source>Aucune image à géoréférencer.</source>
        <translation>No picture to georeference.</translation>
    </message>
    <message>
        <source>Image introuvable : %1</source>
        <translation>Picture not found: %1</translation>
    </message>
    <message>
        <source>L&apos;image n&apos;est pas calée.</source>
        <translation>The picture is not calibrated.</translation>
    </message>
    <message>
        <source>Axes logarithmiques ou polaires : l&apos;image ne se géoréférence pas.</source>
        <translation>Logarithmic or polar axes: the picture cannot be georeferenced.</translation>
    </message>
    <message>
        <source>Un calage projectif ou polynomial ne tient pas dans un fichier de calage.</source>
        <translation>A projective or polynomial calibration does not fit in a world file.</translation>
    </message>
</context>
<context>
    <name>GifCodec</name>
    <message>
        <source>fichier GIF introuvable ou illisible</source>
        <translation>GIF file missing or unreadable</translation>
    </message>
    <message>
        <source>fichier GIF tronqué</source>
        <translation>truncated GIF file</translation>
    </message>
    <message>
        <source>GIF : ce fichier n&apos;est pas une image GIF</source>
        <translation>GIF: this file is not a GIF picture</translation>
    </message>
    <message>
        <source>GIF : pas de palette de couleurs</source>
        <translation>GIF: no colour palette</translation>
    </message>
    <message>
        <source>GIF : mémoire insuffisante</source>
        <translation>GIF: not enough memory</translation>
    </message>
    <message>
        <source>GIF : données d&apos;image défectueuses</source>
        <translation>GIF: faulty picture data</translation>
    </message>
    <message>
        <source>GIF : bloc de type inconnu</source>
        <translation>GIF: block of unknown type</translation>
    </message>
    <message>
        <source>GIF : fichier endommagé</source>
        <translation>GIF: damaged file</translation>
    </message>
    <message>
        <source>fichier GIF vide</source>
        <translation>empty GIF file</translation>
    </message>
    <message>
        <source>GIF : aucune image dans le fichier</source>
        <translation>GIF: no picture in the file</translation>
    </message>
    <message>
        <source>GIF : image vide</source>
        <translation>GIF: empty picture</translation>
    </message>
</context>
<context>
    <name>GisExport</name>
    <message>
        <source>« %1 » ne s&apos;écrit pas dans un fichier .prj</source>
        <translation>&quot;%1&quot; cannot be written into a .prj file</translation>
    </message>
    <message>
        <source>Le %1 situe les points en longitude et latitude (WGS 84) : indiquez le système de coordonnées des X, Y (par exemple EPSG:2154 pour le Lambert-93) au lieu de « aucun ».</source>
        <translation>%1 places the points in longitude and latitude (WGS 84): give the coordinate system of the X, Y (for example EPSG:2154 for Lambert-93) instead of &quot;aucun&quot;.</translation>
    </message>
    <message>
        <source>le point %1 n&apos;a ni longitude ni latitude dans « %2 » : ses X, Y sont hors du domaine du système</source>
        <translation>point %1 has no longitude or latitude in &quot;%2&quot;: its X, Y are outside the area of the system</translation>
    </message>
    <message>
        <source>Système de coordonnées « %1 » : %2</source>
        <translation>Coordinate system &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Aucun point à exporter dans les lignes affichées.</source>
        <translation>No point to export in the lines shown.</translation>
    </message>
    <message>
        <source>Aucun point à exporter.</source>
        <translation>No point to export.</translation>
    </message>
    <message>
        <source>%1 libellés ont plus de %2 caractères, la limite du format %3 : ils y sont écrits coupés.</source>
        <translation>%1 labels are longer than %2 characters, the limit of the %3 format: they are written cut.</translation>
    </message>
    <message>
        <source>%1 libellé a plus de %2 caractères, la limite du format %3 : il y est écrit coupé.</source>
        <translation>%1 label is longer than %2 characters, the limit of the %3 format: it is written cut.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>le point de calage %1</source>
        <translation>calibration point %1</translation>
    </message>
    <message>
        <source>la mise à l&apos;échelle</source>
        <translation>rescaling</translation>
    </message>
    <message>
        <source>le changement de modèle de calage</source>
        <translation>calibration model change</translation>
    </message>
    <message>
        <source>le changement d&apos;axes</source>
        <translation>axes change</translation>
    </message>
    <message>
        <source>le point de contrôle %1</source>
        <translation>control point %1</translation>
    </message>
    <message>
        <source>les points de contrôle %1 à %2</source>
        <translation>control points %1 to %2</translation>
    </message>
    <message>
        <source>la reprise du point de contrôle %1</source>
        <translation>using control point %1 again</translation>
    </message>
    <message>
        <source>le retrait du point de contrôle %1</source>
        <translation>leaving out control point %1</translation>
    </message>
    <message>
        <source>la modification</source>
        <translation>change</translation>
    </message>
    <message>
        <source>la cote de la ligne %1</source>
        <translation>setting the height of line %1</translation>
    </message>
    <message>
        <source>le déplacement du point %1</source>
        <translation>moving point %1</translation>
    </message>
    <message>
        <source>le déplacement du point de calage %1</source>
        <translation>moving calibration point %1</translation>
    </message>
    <message>
        <source>la suppression du point %1</source>
        <translation>deleting point %1</translation>
    </message>
    <message>
        <source>l&apos;insertion d&apos;un point avant le point %1</source>
        <translation>inserting a point before point %1</translation>
    </message>
    <message>
        <source>l&apos;ajout du point %1</source>
        <translation>adding point %1</translation>
    </message>
    <message>
        <source>la nouvelle ligne</source>
        <translation>new line</translation>
    </message>
    <message>
        <source>le changement de décimales</source>
        <translation>decimals change</translation>
    </message>
    <message>
        <source>la suppression de la ligne %1</source>
        <translation>deleting line %1</translation>
    </message>
    <message>
        <source>l&apos;affichage des lignes</source>
        <translation>showing the lines</translation>
    </message>
    <message>
        <source>le masquage des lignes</source>
        <translation>hiding the lines</translation>
    </message>
    <message>
        <source>la recopie de Z</source>
        <translation>copying Z</translation>
    </message>
    <message>
        <source>la vectorisation</source>
        <translation>vectorising</translation>
    </message>
    <message>
        <source>le tracé</source>
        <translation>tracing</translation>
    </message>
    <message>
        <source>le nouveau calage</source>
        <translation>new calibration</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>fichier JPEG tronqué</source>
        <translation>truncated JPEG file</translation>
    </message>
    <message>
        <source>fichier JPEG vide</source>
        <translation>empty JPEG file</translation>
    </message>
    <message>
        <source>JPEG : ce fichier n&apos;est pas une image JPEG</source>
        <translation>JPEG: this file is not a JPEG picture</translation>
    </message>
    <message>
        <source>JPEG : mémoire insuffisante</source>
        <translation>JPEG: not enough memory</translation>
    </message>
    <message>
        <source>JPEG : image vide (largeur ou hauteur nulle)</source>
        <translation>JPEG: empty picture (zero width or height)</translation>
    </message>
    <message>
        <source>JPEG : image trop grande</source>
        <translation>JPEG: picture too large</translation>
    </message>
    <message>
        <source>JPEG : variante de JPEG non prise en charge</source>
        <translation>JPEG: unsupported JPEG variant</translation>
    </message>
    <message>
        <source>JPEG : écriture impossible</source>
        <translation>JPEG: cannot write</translation>
    </message>
    <message>
        <source>JPEG : fichier endommagé</source>
        <translation>JPEG: damaged file</translation>
    </message>
    <message>
        <source>fichier JPEG introuvable ou illisible</source>
        <translation>JPEG file missing or unreadable</translation>
    </message>
    <message>
        <source>image vide : rien à enregistrer</source>
        <translation>empty picture: nothing to save</translation>
    </message>
</context>
<context>
    <name>MetafileHeader</name>
    <message>
        <source>fichier tronqué</source>
        <translation>truncated file</translation>
    </message>
    <message>
        <source>métafichier EMF endommagé</source>
        <translation>damaged EMF metafile</translation>
    </message>
    <message>
        <source>métafichier WMF endommagé</source>
        <translation>damaged WMF metafile</translation>
    </message>
    <message>
        <source>dimensions du métafichier invalides</source>
        <translation>invalid metafile dimensions</translation>
    </message>
    <message>
        <source>ce fichier n&apos;est pas un métafichier EMF ou WMF</source>
        <translation>this file is not an EMF or WMF metafile</translation>
    </message>
</context>
<context>
    <name>ModelNames</name>
    <message>
        <source>le modèle %1 demande au moins %2 points de contrôle</source>
        <translation>the %1 model needs at least %2 control points</translation>
    </message>
    <message>
        <source>points de contrôle alignés ou confondus : le modèle %1 ne peut pas être calculé</source>
        <translation>control points in a line or coincident: the %1 model cannot be computed</translation>
    </message>
    <message>
        <source>une valeur négative ou nulle ne peut pas être placée sur un axe logarithmique</source>
        <translation>a negative or zero value cannot be placed on a logarithmic axis</translation>
    </message>
    <message>
        <source>un rayon plus petit que celui de l&apos;origine ne peut pas être placé sur l&apos;axe polaire</source>
        <translation>a radius smaller than the origin&apos;s cannot be placed on the polar axis</translation>
    </message>
</context>
<context>
    <name>Module</name>
    <message>
        <source>le module %1 ne peut pas être chargé (%2) : installation incomplète</source>
        <translation>the module %1 cannot be loaded (%2): incomplete installation</translation>
    </message>
    <message>
        <source>le module %1 n&apos;a pas la fonction %2 : installation incomplète</source>
        <translation>the module %1 lacks the function %2: incomplete installation</translation>
    </message>
</context>
<context>
    <name>NumberText</name>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur en virgule flottante correcte</source>
        <translation>&apos;%1&apos; is not a valid floating-point value</translation>
    </message>
    <message>
        <source>&apos;%1&apos; n&apos;est pas une valeur entière correcte</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>&lt;%1&gt; n&apos;est pas une valeur entière err=%2
 Sauver automatiquement pour relancer l&apos;application et recharger le projet ? </source>
        <translation>&lt;%1&gt; is not an integer value err=%2
 Save automatically to restart the program and reload the project? </translation>
    </message>
    <message>
        <source>sauvegarde effectuée dans %1 avant arrêt</source>
        <translation>saved to %1 before stopping</translation>
    </message>
    <message>
        <source>la sauvegarde dans %1 a échoué : le programme reste ouvert</source>
        <translation>saving to %1 failed: the program stays open</translation>
    </message>
</context>
<context>
    <name>OdsReader</name>
    <message>
        <source>ce document OpenDocument n&apos;est pas un classeur</source>
        <translation>this OpenDocument document is not a workbook</translation>
    </message>
</context>
<context>
    <name>PictureLoading</name>
    <message>
        <source>image vide</source>
        <translation>empty picture</translation>
    </message>
</context>
<context>
    <name>PictureLocator</name>
    <message>
        <source>Dans le fichier %1
    l&apos;image &lt;%2&gt; est introuvable
    ainsi que l&apos;image &lt;%3&gt; dans le répertoire courant
           Voulez-vous la chercher sur le poste actuel ?</source>
        <translation>In the file %1
    the picture &lt;%2&gt; cannot be found
    nor the picture &lt;%3&gt; in the current folder
           Do you want to look for it on this computer?</translation>
    </message>
    <message>
        <source> Rechercher le fichier %1</source>
        <translation> Look for the file %1</translation>
    </message>
</context>
<context>
    <name>PngCodec</name>
    <message>
        <source>PNG : mémoire insuffisante</source>
        <translation>PNG: not enough memory</translation>
    </message>
    <message>
        <source>PNG : image incomplète (données de l&apos;image trop courtes)</source>
        <translation>PNG: incomplete picture (picture data too short)</translation>
    </message>
    <message>
        <source>PNG : fichier endommagé (somme de contrôle fausse)</source>
        <translation>PNG: damaged file (wrong checksum)</translation>
    </message>
    <message>
        <source>PNG : données de l&apos;image endommagées</source>
        <translation>PNG: damaged picture data</translation>
    </message>
    <message>
        <source>PNG : fichier endommagé</source>
        <translation>PNG: damaged file</translation>
    </message>
    <message>
        <source>fichier PNG introuvable ou illisible</source>
        <translation>PNG file missing or unreadable</translation>
    </message>
    <message>
        <source>fichier PNG vide</source>
        <translation>empty PNG file</translation>
    </message>
    <message>
        <source>fichier PNG tronqué</source>
        <translation>truncated PNG file</translation>
    </message>
    <message>
        <source>PNG : ce fichier n&apos;est pas une image PNG</source>
        <translation>PNG: this file is not a PNG picture</translation>
    </message>
</context>
<context>
    <name>PointImport</name>
    <message>
        <source>nombre de points rajoutés : %1</source>
        <translation>number of points added: %1</translation>
    </message>
    <message>
        <source>%1 ligne ignorée (X ou Y illisible) : </source>
        <translation>%1 row passed over (X or Y unreadable): </translation>
    </message>
    <message>
        <source>%1 lignes ignorées (X ou Y illisible) : </source>
        <translation>%1 rows passed over (X or Y unreadable): </translation>
    </message>
    <message>
        <source>Les colonnes X et Y doivent être comprises entre 1 (A) et 26 (Z)</source>
        <translation>The X and Y columns must be between 1 (A) and 26 (Z)</translation>
    </message>
    <message>
        <source>Les colonnes Libellé et Z ne peuvent dépasser 26 (Z) ; 0 : pas de colonne</source>
        <translation>The label and Z columns cannot go beyond 26 (Z); 0: no column</translation>
    </message>
    <message>
        <source>Le n° de ligne de début doit être au moins 1</source>
        <translation>The first row number must be at least 1</translation>
    </message>
    <message>
        <source>
Ligne %1 : %2 illisible</source>
        <translation>
Line %1: %2 unreadable</translation>
    </message>
    <message>
        <source>
%1 lignes au lieu de trois</source>
        <translation>
%1 lines instead of three</translation>
    </message>
    <message>
        <source>
%1 ligne au lieu de trois</source>
        <translation>
%1 line instead of three</translation>
    </message>
    <message>
        <source>Le presse-papier ne contient pas trois lignes de calibration lisibles (X Y [Z] par ligne) : rien n&apos;est modifié.</source>
        <translation>The clipboard does not hold three readable calibration lines (X Y [Z] on each line): nothing is changed.</translation>
    </message>
</context>
<context>
    <name>PointStore</name>
    <message>
        <source>Suite %1  point %2 </source>
        <translation>Line %1  point %2 </translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>le nombre de décimale est illisible =&lt;%1&gt;
 on affecte donc 8 décimales par défaut</source>
        <translation>the number of decimals is unreadable =&lt;%1&gt;
 so 8 decimals are used by default</translation>
    </message>
</context>
<context>
    <name>ProjectCheck</name>
    <message>
        <source>le point de contrôle %1</source>
        <translation>control point %1</translation>
    </message>
    <message>
        <source>la ligne des en-têtes</source>
        <translation>the header row</translation>
    </message>
    <message>
        <source>le point de calage %1</source>
        <translation>calibration point %1</translation>
    </message>
    <message>
        <source>le point %1</source>
        <translation>point %1</translation>
    </message>
    <message>
        <source>la ligne %1 du tableau des lignes</source>
        <translation>line %1 of the lines table</translation>
    </message>
    <message>
        <source>%1 attend un entier en colonne %2, et non &lt;%3&gt;</source>
        <translation>%1 expects an integer in column %2, not &lt;%3&gt;</translation>
    </message>
    <message>
        <source>Problème de lecture à la ligne %1 du fichier :
%2</source>
        <translation>Reading problem at line %1 of the file:
%2</translation>
    </message>
    <message>
        <source>il manque %1 : le fichier s&apos;arrête à la ligne %2 (il annonce %3 points, %4 lignes et %5 points de calage)</source>
        <translation>%1 is missing: the file ends at line %2 (it announces %3 points, %4 lines and %5 calibration points)</translation>
    </message>
    <message>
        <source>%1 attend un nombre en colonne %2, et non &lt;%3&gt;</source>
        <translation>%1 expects a number in column %2, not &lt;%3&gt;</translation>
    </message>
    <message>
        <source>%1 attend la colonne %2, et non &lt;%3&gt;</source>
        <translation>%1 expects the column %2, not &lt;%3&gt;</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>le nombre de points</source>
        <translation>the number of points</translation>
    </message>
    <message>
        <source>le nombre de lignes</source>
        <translation>the number of lines</translation>
    </message>
    <message>
        <source>le nombre de points de calage</source>
        <translation>the number of calibration points</translation>
    </message>
    <message>
        <source>%1, un entier positif ou nul, est attendu, et non &lt;%2&gt;</source>
        <translation>%1, a positive integer or zero, is expected, not &lt;%2&gt;</translation>
    </message>
    <message>
        <source>Problème de lecture
n_calc=%1 à la ligne %2 du fichier : 3 points de calage au plus</source>
        <translation>Reading problem
n_calc=%1 at line %2 of the file: 3 calibration points at most</translation>
    </message>
    <message>
        <source>impossible de lire le fichier %1</source>
        <translation>cannot read the file %1</translation>
    </message>
    <message>
        <source> Le fichier n&apos;est pas compatible 
 le mot clé en première ligne est manquant
 /TRACELLE introuvable : mess= &lt;%1&gt;</source>
        <translation> The file is not compatible 
 the keyword on the first line is missing
 /TRACELLE not found: mess= &lt;%1&gt;</translation>
    </message>
    <message>
        <source>Ancien format : erreur =%1
Les données dx0/dy0 sont manquantes
éventuellement recharger juste l&apos;image, et recopier la ligne qui suit celle contenant
 /taille image LxH   dx0/dy0
dans les fichiers *.trc</source>
        <translation>Old format: error =%1
The dx0/dy0 data are missing
perhaps reload just the picture, and copy the line that follows the one holding
 /taille image LxH   dx0/dy0
in the *.trc files</translation>
    </message>
    <message>
        <source>la ligne est incomplète : le fichier s&apos;arrête avant sa fin</source>
        <translation>the line is incomplete: the file stops before the line ends</translation>
    </message>
    <message>
        <source>la page PDF et sa résolution, deux entiers positifs, sont attendues, et non &lt;%1&gt;</source>
        <translation>the PDF page and its resolution, two positive integers, are expected, not &lt;%1&gt;</translation>
    </message>
</context>
<context>
    <name>Raster</name>
    <message>
        <source>image vide (largeur ou hauteur nulle)</source>
        <translation>empty picture (zero width or height)</translation>
    </message>
    <message>
        <source>image trop grande (%1 x %2 pixels)</source>
        <translation>picture too large (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>mémoire insuffisante pour une image de %1 x %2 pixels (%3 Mo nécessaires, %4 Mo disponibles)</source>
        <translation>not enough memory for a picture of %1 x %2 pixels (%3 MB needed, %4 MB available)</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>not enough memory</translation>
    </message>
</context>
<context>
    <name>RasterSurface</name>
    <message>
        <source> Surface raster = 	</source>
        <translation> Raster area = 	</translation>
    </message>
    <message>
        <source> L raster = 	</source>
        <translation> Raster L = 	</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>sans nom</source>
        <translation>unnamed</translation>
    </message>
</context>
<context>
    <name>ReviewedText</name>
    <message>
        <source>contenu de %1</source>
        <translation>content of %1</translation>
    </message>
</context>
<context>
    <name>Rgb24</name>
    <message>
        <source>image incomplète : rien à enregistrer</source>
        <translation>incomplete picture: nothing to save</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>Mémoire totale : %1 Ko</source>
        <translation>Total memory: %1 KB</translation>
    </message>
    <message>
        <source>Mémoire utilisée : %1 %</source>
        <translation>Memory used: %1 %</translation>
    </message>
    <message>
        <source>Mémoire disponible : %1 Ko</source>
        <translation>Memory available: %1 KB</translation>
    </message>
    <message>
        <source>Mémoire d&apos;échange (swap) : %1 Ko</source>
        <translation>Swap memory: %1 KB</translation>
    </message>
    <message>
        <source>Mémoire d&apos;échange libre : %1 Ko</source>
        <translation>Free swap memory: %1 KB</translation>
    </message>
    <message>
        <source>Mémoire occupée par Tracelle : %1 Ko</source>
        <translation>Memory taken by Tracelle: %1 KB</translation>
    </message>
    <message>
        <source>Mémoire réservée par Tracelle : %1 Ko</source>
        <translation>Memory reserved by Tracelle: %1 KB</translation>
    </message>
    <message>
        <source>Système : %1</source>
        <translation>System: %1</translation>
    </message>
    <message>
        <source>Système : %1, noyau %2</source>
        <translation>System: %1, kernel %2</translation>
    </message>
</context>
<context>
    <name>TableEditing</name>
    <message>
        <source>Supprimer la ligne %1 en inverse video du tableau de lignes</source>
        <translation>Delete line %1, highlighted in the lines table</translation>
    </message>
    <message>
        <source>TOTAL :%1 ligne(s) / %2 points

 Effacer la ligne sélectionnée n° %3  composée de %4 points ?</source>
        <translation>TOTAL: %1 line(s) / %2 points

 Delete the selected line no. %3  made of %4 points?</translation>
    </message>
    <message>
        <source>recopier l&apos;altitude Z = %1</source>
        <translation>copy the height Z = %1</translation>
    </message>
    <message>
        <source>sur le reste des points de la ligne n°%1</source>
        <translation>to the other points of line no. %1</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>le fichier %1 est trop grand (%2 Mo ; %3 Mo au plus)</source>
        <translation>the file %1 is too large (%2 MB; %3 MB at most)</translation>
    </message>
</context>
<context>
    <name>TiffCodec</name>
    <message>
        <source>TIFF : format de pixel non reconnu</source>
        <translation>TIFF: unknown pixel format</translation>
    </message>
    <message>
        <source>TIFF : compression non reconnue</source>
        <translation>TIFF: unknown compression</translation>
    </message>
    <message>
        <source>TIFF : mémoire insuffisante</source>
        <translation>TIFF: not enough memory</translation>
    </message>
    <message>
        <source>bande </source>
        <translation>strip </translation>
    </message>
    <message>
        <source>tuile </source>
        <translation>tile </translation>
    </message>
    <message>
        <source>ligne </source>
        <translation>row </translation>
    </message>
    <message>
        <source>TIFF : palette absente</source>
        <translation>TIFF: palette missing</translation>
    </message>
    <message>
        <source>TIFF : taille des tuiles invalide</source>
        <translation>TIFF: invalid tile size</translation>
    </message>
    <message>
        <source>TIFF : fichier endommagé ou tronqué</source>
        <translation>TIFF: damaged or truncated file</translation>
    </message>
    <message>
        <source>TIFF : fichier illisible</source>
        <translation>TIFF: unreadable file</translation>
    </message>
    <message>
        <source>TIFF : %1</source>
        <translation>TIFF: %1</translation>
    </message>
</context>
<context>
    <name>TiffWriter</name>
    <message>
        <source>image vide : rien à enregistrer</source>
        <translation>empty picture: nothing to save</translation>
    </message>
    <message>
        <source>image trop grande pour le format TIFF (plus de 4 Go)</source>
        <translation>picture too large for the TIFF format (over 4 GB)</translation>
    </message>
</context>
<context>
    <name>VectorMeasure</name>
    <message>
        <source> Suite(%1)= 	%2	 points</source>
        <translation> Line(%1)= 	%2	 points</translation>
    </message>
    <message>
        <source> Surface  A = 	</source>
        <translation> Area  A = 	</translation>
    </message>
    <message>
        <source> Distance D = 	</source>
        <translation> Distance D = 	</translation>
    </message>
    <message>
        <source> Périmètre P = 	</source>
        <translation> Perimeter P = 	</translation>
    </message>
    <message>
        <source> Indice de compacité = P/(4.pi.A)^0.5 = 	</source>
        <translation> Compactness index = P/(4.pi.A)^0.5 = 	</translation>
    </message>
    <message>
        <source> Rectangle équivalent L=P/4+sqrt(P²/16-A)= 	</source>
        <translation> Equivalent rectangle L=P/4+sqrt(P²/16-A)= 	</translation>
    </message>
    <message>
        <source> Longueur totale du réseau (sans le pourtour de la surface choisie définie par</source>
        <translation> Total length of the network (without the outline of the chosen area defined by</translation>
    </message>
    <message>
        <source>    la suite n°%1  ( celle qui se trouve proche du clik de la souris ! )</source>
        <translation>    line no. %1  ( the one near the mouse click! )</translation>
    </message>
    <message>
        <source>            L(réseau) = 	</source>
        <translation>            L(network) = 	</translation>
    </message>
    <message>
        <source> Densité de drainage = longueur du réseau / A = 	</source>
        <translation> Drainage density = network length / A = 	</translation>
    </message>
    <message>
        <source>     Distances (calage 1 à 2) = %1   (calage 2 à 3) = %2</source>
        <translation>     Distances (calibration 1 to 2) = %1   (calibration 2 to 3) = %2</translation>
    </message>
    <message>
        <source>La suite (%1) ne contient que 2 points distants de %2</source>
        <translation>Line (%1) holds only 2 points, %2 apart</translation>
    </message>
    <message>
        <source>distance calculée = </source>
        <translation>computed distance = </translation>
    </message>
    <message>
        <source>Sur des axes logarithmiques ou polaires, les valeurs réelles ne sont pas des distances : longueurs et surfaces ne peuvent pas être mesurées</source>
        <translation>On logarithmic or polar axes, the real values are not distances: lengths and areas cannot be measured</translation>
    </message>
</context>
<context>
    <name>Vectorize</name>
    <message>
        <source>Aucun pixel de la couleur choisie</source>
        <translation>No pixel of the chosen colour</translation>
    </message>
    <message>
        <source>La couleur choisie ne se distingue pas du fond</source>
        <translation>The chosen colour cannot be told from the background</translation>
    </message>
    <message>
        <source>Vectorisation interrompue</source>
        <translation>Vectorising stopped</translation>
    </message>
</context>
<context>
    <name>WebpCodec</name>
    <message>
        <source>fichier WebP tronqué</source>
        <translation>truncated WebP file</translation>
    </message>
    <message>
        <source>WebP : mémoire insuffisante</source>
        <translation>WebP: not enough memory</translation>
    </message>
    <message>
        <source>WebP : variante de WebP non reconnue</source>
        <translation>WebP: unknown WebP variant</translation>
    </message>
    <message>
        <source>WebP : fichier endommagé</source>
        <translation>WebP: damaged file</translation>
    </message>
    <message>
        <source>fichier WebP introuvable ou illisible</source>
        <translation>WebP file missing or unreadable</translation>
    </message>
    <message>
        <source>fichier WebP vide</source>
        <translation>empty WebP file</translation>
    </message>
    <message>
        <source>WebP : ce fichier n&apos;est pas une image WebP</source>
        <translation>WebP: this file is not a WebP picture</translation>
    </message>
    <message>
        <source>WebP : bibliothèque libwebp incompatible</source>
        <translation>WebP: incompatible libwebp library</translation>
    </message>
    <message>
        <source>WebP : les images animées ne sont pas lues</source>
        <translation>WebP: animated pictures are not read</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>les classeurs Excel binaires (*.xlsb) ne sont pas lus</source>
        <translation>binary Excel workbooks (*.xlsb) are not read</translation>
    </message>
    <message>
        <source>l&apos;archive ne contient pas de classeur (*.xlsx, *.ods)</source>
        <translation>the archive holds no workbook (*.xlsx, *.ods)</translation>
    </message>
    <message>
        <source>le fichier dépasse 1 Go</source>
        <translation>the file is over 1 GB</translation>
    </message>
    <message>
        <source>le fichier est introuvable ou illisible</source>
        <translation>the file is missing or unreadable</translation>
    </message>
    <message>
        <source>le fichier est vide</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>Classeurs (*.xls *.xlsx *.ods *.csv)|*.xls;*.xlsx;*.ods;*.csv</source>
        <translation>Workbooks (*.xls *.xlsx *.ods *.csv)|*.xls;*.xlsx;*.ods;*.csv</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>ligne 1 : « %1 » n&apos;est pas l&apos;en-tête d&apos;un tableau de conversion (n°, Libellé, Est (X), Nord (Y), Zone...)</source>
        <translation>line 1: &quot;%1&quot; is not the header of a conversion table (n°, Libellé, Est (X), Nord (Y), Zone...)</translation>
    </message>
</context>
<context>
    <name>WorldFile</name>
    <message>
        <source>&lt;%1&gt; ligne %2 : &lt;%3&gt; n&apos;est pas un nombre (un fichier de calage porte six nombres : A, D, B, E, C, F)</source>
        <translation>&lt;%1&gt; line %2: &lt;%3&gt; is not a number (a world file holds six numbers: A, D, B, E, C, F)</translation>
    </message>
    <message>
        <source>&lt;%1&gt; : un fichier de calage porte six nombres (A, D, B, E, C, F), celui-ci en a %2</source>
        <translation>&lt;%1&gt;: a world file holds six numbers (A, D, B, E, C, F), this one has %2</translation>
    </message>
</context>
<context>
    <name>XlsxReader</name>
    <message>
        <source>le classeur est endommagé : chaîne partagée n° %1 absente</source>
        <translation>the workbook is damaged: shared string no. %1 missing</translation>
    </message>
    <message>
        <source>le classeur ne contient aucune feuille de calcul</source>
        <translation>the workbook holds no worksheet</translation>
    </message>
</context>
<context>
    <name>XmlStream</name>
    <message>
        <source>le classeur est endommagé : %1 a trop de niveaux imbriqués</source>
        <translation>the workbook is damaged: %1 has too many nested levels</translation>
    </message>
    <message>
        <source>le classeur est refusé : %1 déclare un type de document (DTD, entités)</source>
        <translation>the workbook is rejected: %1 declares a document type (DTD, entities)</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>le classeur est endommagé : %1 illisible à la ligne %2</source>
        <translation>the workbook is damaged: %1 unreadable at line %2</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>l&apos;archive du classeur est endommagée</source>
        <translation>the workbook&apos;s archive is damaged</translation>
    </message>
    <message>
        <source>le classeur est protégé par un mot de passe</source>
        <translation>the workbook is protected by a password</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>%1 Go</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 Mo</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 octets</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>le fichier est introuvable ou illisible</source>
        <translation>the file is missing or unreadable</translation>
    </message>
    <message>
        <source>le classeur est incomplet : %1 manque</source>
        <translation>the workbook is incomplete: %1 is missing</translation>
    </message>
    <message>
        <source>le classeur est refusé : %1 dépasse %2 une fois décompressé</source>
        <translation>the workbook is rejected: %1 exceeds %2 once uncompressed</translation>
    </message>
    <message>
        <source>le classeur est refusé : %1 est comprimé plus de %2 fois (bombe de décompression)</source>
        <translation>the workbook is rejected: %1 is compressed more than %2 times (decompression bomb)</translation>
    </message>
</context>
</TS>
