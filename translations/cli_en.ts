<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>cli</name>
    <message>
        <source>--lang attend fr ou en (pas « %1 »)</source>
        <translation>--lang expects fr or en (not “%1”)</translation>
    </message>
    <message>
        <source>tracelle-cli : %1</source>
        <translation>tracelle-cli: %1</translation>
    </message>
    <message>
        <source>tracelle-cli : avertissement : %1</source>
        <translation>tracelle-cli: warning: %1</translation>
    </message>
    <message>
        <source>%1 (réponse : non)</source>
        <translation>%1 (answer: no)</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>l&apos;option --%1 n&apos;attend pas de valeur</source>
        <translation>option --%1 takes no value</translation>
    </message>
    <message>
        <source>l&apos;option --%1 attend une valeur</source>
        <translation>option --%1 needs a value</translation>
    </message>
    <message>
        <source>argument manquant : %1</source>
        <translation>missing argument: %1</translation>
    </message>
    <message>
        <source>argument en trop : %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>--%1 : &apos;%2&apos; n&apos;est pas une valeur entière correcte</source>
        <translation>--%1: &apos;%2&apos; is not a valid whole number</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>écriture impossible sur la sortie standard</source>
        <translation>cannot write to standard output</translation>
    </message>
    <message>
        <source>--%1 : &apos;%2&apos; n&apos;est pas une couleur R,G,B (trois entiers de 0 à 255)</source>
        <translation>--%1: &apos;%2&apos; is not an R,G,B colour (three integers from 0 to 255)</translation>
    </message>
    <message>
        <source>impossible de lire le fichier %1</source>
        <translation>cannot read the file %1</translation>
    </message>
    <message>
        <source>--%1 ne s&apos;emploie qu&apos;avec --polar</source>
        <translation>--%1 is only used with --polar</translation>
    </message>
    <message>
        <source>--%1 ne s&apos;emploie pas avec --polar : le rayon logarithmique est --log-r</source>
        <translation>--%1 is not used with --polar: the logarithmic radius is --log-r</translation>
    </message>
    <message>
        <source>--theta : deg ou rad, et non %1</source>
        <translation>--theta: deg or rad, not %1</translation>
    </message>
    <message>
        <source>--centre attend le numéro d&apos;un point de contrôle, à partir de 1</source>
        <translation>--centre expects the number of a control point, from 1</translation>
    </message>
    <message>
        <source>PROJET.trc</source>
        <translation>PROJECT.trc</translation>
    </message>
    <message>
        <source>--control FICHIER est attendu</source>
        <translation>--control FILE is required</translation>
    </message>
    <message>
        <source>-o SORTIE.trc est attendu</source>
        <translation>-o OUTPUT.trc is required</translation>
    </message>
    <message>
        <source>--model : affine, helmert, projective ou poly2, et non %1</source>
        <translation>--model: affine, helmert, projective or poly2, not %1</translation>
    </message>
    <message>
        <source>--centre %1 : %2 n&apos;a que %3 points de contrôle</source>
        <translation>--centre %1: %2 has only %3 control points</translation>
    </message>
    <message>
        <source>il faut au moins 3 points de contrôle, %1 en a %2</source>
        <translation>at least 3 control points are needed, %1 has %2</translation>
    </message>
    <message>
        <source>remplace le calage d&apos;un projet par des points de contrôle ajustés aux moindres carrés</source>
        <translation>replaces a project&apos;s calibration by control points fitted by least squares</translation>
    </message>
    <message>
        <source>PROJET.trc --control FICHIER [--model affine|helmert|projective|poly2] [--log-x] [--log-y]
          [--polar [--log-r] [--theta deg|rad] [--clockwise] [--centre N]]
          -o SORTIE.trc

  --control FICHIER  un point de contrôle par ligne : « x y X Y [Z] » (le pixel, puis
                     les valeurs réelles ; tabulations ou espaces)
  --model MODÈLE     affine (par défaut), helmert, projective ou poly2
  --log-x, --log-y   axe logarithmique (base 10)
  --polar            axes polaires : X réel est le rayon r, Y réel l&apos;angle θ
  --log-r            rayon logarithmique (base 10)
  --theta UNITÉ      angle en degrés (deg, par défaut) ou en radians (rad)
  --clockwise        angle compté dans le sens horaire
  --centre N         le centre est le point de contrôle N (sinon là où r = 0, ou r = 1
                     sur un rayon logarithmique)
  -o SORTIE.trc      le projet écrit, chaque point recalculé

Affiche les résidus (ajusté moins donné) : une ligne par point de contrôle
« n x y X Y dX dY d », puis « RMS valeur ». Trop peu de points pour le modèle, des points
alignés ou une valeur ≤ 0 sur un axe logarithmique : sortie 1, rien n&apos;est écrit.
</source>
        <translation>PROJECT.trc --control FILE [--model affine|helmert|projective|poly2] [--log-x] [--log-y]
          [--polar [--log-r] [--theta deg|rad] [--clockwise] [--centre N]]
          -o OUTPUT.trc

  --control FILE     one control point per line: “x y X Y [Z]” (the pixel, then the
                     real values; tabs or spaces)
  --model MODEL      affine (default), helmert, projective or poly2
  --log-x, --log-y   logarithmic axis (base 10)
  --polar            polar axes: real X is the radius r, real Y the angle θ
  --log-r            logarithmic radius (base 10)
  --theta UNIT       angle in degrees (deg, default) or in radians (rad)
  --clockwise        angle counted clockwise
  --centre N         the centre is control point N (else where r = 0, or r = 1
                     on a logarithmic radius)
  -o OUTPUT.trc      the project written, every point recomputed

Prints the residuals (fitted minus given): one line per control point
“n x y X Y dX dY d”, then “RMS value”. Too few points for the model, points in a
line or a value ≤ 0 on a logarithmic axis: exit status 1, nothing is written.
</translation>
    </message>
    <message>
        <source>--%1 attend on ou off (pas « %2 »)</source>
        <translation>--%1 expects on or off (not “%2”)</translation>
    </message>
    <message>
        <source>--columns : colonne inconnue « %1 »</source>
        <translation>--columns: unknown column “%1”</translation>
    </message>
    <message>
        <source>--decimal-mark attend point ou virgule (pas « %1 »)</source>
        <translation>--decimal-mark expects point or virgule (not “%1”)</translation>
    </message>
    <message>
        <source>--method attend nearest ou regression (pas « %1 »)</source>
        <translation>--method expects nearest or regression (not “%1”)</translation>
    </message>
    <message>
        <source>FICHIER.trc</source>
        <translation>FILE.trc</translation>
    </message>
    <message>
        <source>--crs ne s&apos;emploie qu&apos;avec --format</source>
        <translation>--crs is only used with --format</translation>
    </message>
    <message>
        <source>les coordonnées d&apos;un projet, comme les écrit le panneau d&apos;export</source>
        <translation>the coordinates of a project, as the export panel writes them</translation>
    </message>
    <message>
        <source>FICHIER.trc [-o SORTIE] [OPTIONS]
       tracelle-cli export FICHIER.trc --format FORMAT [--crs SYSTÈME] -o SORTIE

Écrit les coordonnées comme le panneau d&apos;export (Windows-1252, fins de ligne CR LF),
dans SORTIE ou sur la sortie standard. Par défaut, les choix initiaux du panneau.

  -o, --output SORTIE          le fichier écrit (sinon la sortie standard)
  --columns LISTE              colonnes parmi n,L,Libellé,X,Y,Z,x,y,z (défaut X,Y)
  --inter-distance             distance entre points
  --cumulative-distance        distance cumulée
  --calibration                avec les points de calage
  --all-lines                  toutes les lignes, pas seulement les lignes affichées
  --decimal-mark point|virgule marque décimale du fichier (défaut point)
  --separator tab|comma-space|TEXTE  séparateur (défaut tab)
  --first-line on|off          première ligne (défaut on)
  --first-line-count on|off    nombre de points en première ligne (défaut on)
  --first-line-text TEXTE      texte de la première ligne (défaut 0)
  --normalized                 rééchantillonnage à pas régulier de X
  --step PAS --x-min X --x-max X  le pas et les bornes (défaut 0.05, 0, 1) ;
                               10 000 000 pas au plus
  --method nearest|regression  point le plus proche ou régression (défaut regression)
  --extension EXT              remplace l&apos;extension de SORTIE (txt, xls, bln...)

Pour un SIG ou une CAO, les lignes et les points comme géométries :
  --format geojson|kml|shp|dxf le format (SORTIE obligatoire ; le Shapefile écrit
                               SORTIE pour les lignes et SORTIE_points pour les points)
  --crs SYSTÈME                le système des X, Y : code EPSG (EPSG:2154 Lambert-93,
                               EPSG:3942 à 3950 CC42 à CC50, EPSG:27572 Lambert II
                               étendu, EPSG:32630 à 32632 UTM 30N à 32N, EPSG:4326
                               WGS 84), chaîne PROJ, ou aucun (défaut ; ni GeoJSON ni KML)
  --all-lines                  vaut aussi pour ces formats
</source>
        <translation>FILE.trc [-o OUTPUT] [OPTIONS]
       tracelle-cli export FILE.trc --format FORMAT [--crs SYSTEM] -o OUTPUT

Writes the coordinates as the export panel does (Windows-1252, CR LF line ends),
to OUTPUT or to standard output. By default, the panel&apos;s initial choices.

  -o, --output OUTPUT          the file written (else standard output)
  --columns LIST               columns among n,L,label,X,Y,Z,x,y,z (default X,Y)
  --inter-distance             distance between points
  --cumulative-distance        cumulative distance
  --calibration                with the calibration points
  --all-lines                  every line, not only the lines shown
  --decimal-mark point|virgule decimal mark of the file (default point)
  --separator tab|comma-space|TEXT  separator (default tab)
  --first-line on|off          first line (default on)
  --first-line-count on|off    number of points on the first line (default on)
  --first-line-text TEXT       text of the first line (default 0)
  --normalized                 resampling at a regular step of X
  --step STEP --x-min X --x-max X  the step and the bounds (default 0.05, 0, 1);
                               10,000,000 steps at most
  --method nearest|regression  nearest point or regression (default regression)
  --extension EXT              replaces the extension of OUTPUT (txt, xls, bln...)

For a GIS or CAD program, the lines and points as geometries:
  --format geojson|kml|shp|dxf the format (OUTPUT required; the Shapefile writes
                               OUTPUT for the lines and OUTPUT_points for the points)
  --crs SYSTEM                 the system of X, Y: EPSG code (EPSG:2154 Lambert-93,
                               EPSG:3942 to 3950 CC42 to CC50, EPSG:27572 Lambert II
                               extended, EPSG:32630 to 32632 UTM 30N to 32N, EPSG:4326
                               WGS 84), PROJ string, or aucun (default; neither GeoJSON
                               nor KML)
  --all-lines                  applies to these formats too
</translation>
    </message>
    <message>
        <source>&lt;%1&gt; : aucune image du même nom à côté (--picture IMAGE la désigne)</source>
        <translation>&lt;%1&gt;: no picture of the same name beside it (--picture PICTURE names it)</translation>
    </message>
    <message>
        <source>--picture ne sert qu&apos;avec un fichier de calage (.tfw, .jgw, .wld...)</source>
        <translation>--picture is only used with a world file (.tfw, .jgw, .wld...)</translation>
    </message>
    <message>
        <source>&lt;%1&gt; n&apos;est pas calée : ni balises GeoTIFF, ni fichier de calage à côté (.tfw, .jgw, .wld...)</source>
        <translation>&lt;%1&gt; is not calibrated: neither GeoTIFF tags nor a world file beside it (.tfw, .jgw, .wld...)</translation>
    </message>
    <message>
        <source>SOURCE</source>
        <translation>SOURCE</translation>
    </message>
    <message>
        <source>-o PROJET.trc est obligatoire</source>
        <translation>-o PROJECT.trc is required</translation>
    </message>
    <message>
        <source>Image : %1 (%2 x %3)</source>
        <translation>Picture : %1 (%2 x %3)</translation>
    </message>
    <message>
        <source>Calage : %1</source>
        <translation>Calibration : %1</translation>
    </message>
    <message>
        <source>un projet calé d&apos;après une image géoréférencée (*.TAB, *.hdr, fichier de calage, GeoTIFF)</source>
        <translation>a calibrated project from a georeferenced picture (*.TAB, *.hdr, world file, GeoTIFF)</translation>
    </message>
    <message>
        <source>SOURCE -o PROJET.trc [--picture IMAGE]

Écrit dans PROJET.trc le projet que donne l&apos;import de SOURCE dans la fenêtre : l&apos;image,
sa taille et ses trois points de calage (K = 3), sans aucun point. SOURCE est :
  - un fichier MapInfo *.TAB, qui nomme l&apos;image et trois points d&apos;appui ;
  - un fichier ARC/INFO *.hdr, l&apos;image du même nom (.BMP, .JPG ou .TIF) à côté ;
  - un fichier de calage (*.tfw, *.jgw, *.pgw, *.wld...), l&apos;image du même nom à côté ;
  - une image GeoTIFF, ou une image avec son fichier de calage à côté.
L&apos;image est lue en entier : une image illisible est refusée. Rien n&apos;est écrit quand le
calage ne peut pas servir. Affiche l&apos;image et l&apos;origine du calage (et son système de
coordonnées s&apos;il est connu).

  -o, --output PROJET.trc  le projet écrit (obligatoire)
  --picture IMAGE          l&apos;image d&apos;un fichier de calage, quand elle n&apos;est pas à côté
                           sous le même nom
</source>
        <translation>SOURCE -o PROJECT.trc [--picture PICTURE]

Writes to PROJECT.trc the project that importing SOURCE in the window gives: the picture,
its size and its three calibration points (K = 3), without any point. SOURCE is:
  - a MapInfo *.TAB file, which names the picture and three control points;
  - an ARC/INFO *.hdr file, the picture of the same name (.BMP, .JPG or .TIF) beside it;
  - a world file (*.tfw, *.jgw, *.pgw, *.wld...), the picture of the same name beside it;
  - a GeoTIFF picture, or a picture with its world file beside it.
The picture is read whole: an unreadable picture is refused. Nothing is written when the
calibration cannot be used. Prints the picture and the origin of the calibration (and its
coordinate system when known).

  -o, --output PROJECT.trc  the project written (required)
  --picture PICTURE         the picture of a world file, when it is not beside it
                            under the same name
</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir le classeur %1 : %2</source>
        <translation>Cannot open the workbook %1: %2</translation>
    </message>
    <message>
        <source>POINTS.txt ou POINTS.xlsx</source>
        <translation>POINTS.txt or POINTS.xlsx</translation>
    </message>
    <message>
        <source>-o SORTIE.trc est obligatoire</source>
        <translation>-o OUTPUT.trc is required</translation>
    </message>
    <message>
        <source>ajoute à un projet les points (X, Y, libellé) d&apos;un texte ou d&apos;un classeur</source>
        <translation>adds to a project the points (X, Y, label) of a text or a workbook</translation>
    </message>
    <message>
        <source>FICHIER.trc POINTS -o SORTIE.trc [OPTIONS]

Ajoute les points de POINTS sur une nouvelle ligne, placés par le calage du projet, puis
recalcule les coordonnées réelles de tous les points et écrit le projet dans SORTIE.trc.
POINTS est un texte « X Y libellé » (espace ou tabulation ; lignes commençant par &apos;
ignorées ; lignes dont X ou Y n&apos;est pas un nombre sautées et signalées) ou un classeur
(*.xls, *.xlsx, *.ods, ou un texte *.csv séparé par tabulations, « ; » ou « , »), dont
seule la première feuille est lue ; le format d&apos;un classeur est reconnu à son contenu.

  -o, --output SORTIE.trc  le projet écrit (obligatoire)
  Pour un classeur, les colonnes (1 = A ... 26 = Z) et la ligne de début :
  --label-column N         colonne du libellé, 0 : aucune (défaut 3)
  --x-column N             colonne de X (défaut 1)
  --y-column N             colonne de Y (défaut 2)
  --z-column N             colonne de Z, 0 : aucune (défaut 12)
  --first-row N            n° de ligne de début (défaut 5)
</source>
        <translation>FILE.trc POINTS -o OUTPUT.trc [OPTIONS]

Adds the points of POINTS on a new line, placed by the project&apos;s calibration, then
recomputes the real coordinates of every point and writes the project to OUTPUT.trc.
POINTS is a text “X Y label” (space or tab; lines starting with &apos; ignored; lines whose
X or Y is not a number skipped and reported) or a workbook (*.xls, *.xlsx, *.ods, or a
*.csv text separated by tabs, “;” or “,”), of which only the first sheet is read; a
workbook&apos;s format is recognised by its content.

  -o, --output OUTPUT.trc  the project written (required)
  For a workbook, the columns (1 = A ... 26 = Z) and the starting row:
  --label-column N         column of the label, 0: none (default 3)
  --x-column N             column of X (default 1)
  --y-column N             column of Y (default 2)
  --z-column N             column of Z, 0: none (default 12)
  --first-row N            number of the starting row (default 5)
</translation>
    </message>
    <message>
        <source>Image : </source>
        <translation>Picture : </translation>
    </message>
    <message>
        <source>(aucune)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Taille LxH : </source>
        <translation>Size WxH : </translation>
    </message>
    <message>
        <source>Décalage dx0/dy0 : </source>
        <translation>Offset dx0/dy0 : </translation>
    </message>
    <message>
        <source>Points (N) : </source>
        <translation>Points (N) : </translation>
    </message>
    <message>
        <source>Lignes : </source>
        <translation>Lines : </translation>
    </message>
    <message>
        <source>Points de calage (K) : </source>
        <translation>Calibration points (K) : </translation>
    </message>
    <message>
        <source>Calage :</source>
        <translation>Calibration :</translation>
    </message>
    <message>
        <source>Modèle de calage : </source>
        <translation>Calibration model : </translation>
    </message>
    <message>
        <source>Axes : </source>
        <translation>Axes : </translation>
    </message>
    <message>
        <source>Points de contrôle : </source>
        <translation>Control points : </translation>
    </message>
    <message>
        <source> (%1 exclus)</source>
        <translation> (%1 left out)</translation>
    </message>
    <message>
        <source>RMS : </source>
        <translation>RMS : </translation>
    </message>
    <message>
        <source>l&apos;image, la taille, le nombre de points, de lignes et le calage d&apos;un projet</source>
        <translation>the picture, size, numbers of points and lines, and calibration of a project</translation>
    </message>
    <message>
        <source>FICHIER.trc

Affiche le chemin de l&apos;image, la taille de la toile et son décalage, le nombre de points
N, le nombre de lignes, le nombre K de points de calage et les lignes du calage,
puis le modèle de calage, ses axes, le nombre de points de contrôle et leur écart moyen
quadratique (RMS).
</source>
        <translation>FILE.trc

Prints the path of the picture, the size of the canvas and its offset, the number of points
N, the number of lines, the number K of calibration points and the calibration rows,
then the calibration model, its axes, the number of control points and their root mean
square error (RMS).
</translation>
    </message>
    <message>
        <source>--cap : &apos;%1&apos; n&apos;est pas un numéro de point</source>
        <translation>--cap: &apos;%1&apos; is not a point number</translation>
    </message>
    <message>
        <source>le point %1 n&apos;existe pas (le projet a %2 points)</source>
        <translation>point %1 does not exist (the project has %2 points)</translation>
    </message>
    <message>
        <source>la ligne %1 n&apos;existe pas ou n&apos;a pas de point</source>
        <translation>line %1 does not exist or has no point</translation>
    </message>
    <message>
        <source>la ligne %1 n&apos;a qu&apos;un point : il en faut deux pour la mesurer</source>
        <translation>line %1 has only one point: measuring it takes two</translation>
    </message>
    <message>
        <source>--cap attend une liste de points A,B,C...</source>
        <translation>--cap expects a list of points A,B,C...</translation>
    </message>
    <message>
        <source>indiquez soit --line L, soit --cap A,B,C...</source>
        <translation>give either --line L or --cap A,B,C...</translation>
    </message>
    <message>
        <source>la surface, les longueurs et les caps des lignes d&apos;un projet</source>
        <translation>the area, the lengths and the bearings of a project&apos;s lines</translation>
    </message>
    <message>
        <source>FICHIER.trc (--line L | --cap A,B,C...)

  --line L        le texte d&apos;un clic « Surface » sur la ligne L (pour une ligne de deux
                  points, les deux textes du panneau de mise à l&apos;échelle)
  --cap A,B,C...  les lignes que donnent des clics « Cap et angle » sur ces points,
                  dans cet ordre
</source>
        <translation>FILE.trc (--line L | --cap A,B,C...)

  --line L        the text of an “Area” click on line L (for a line of two points,
                  the two texts of the scaling panel)
  --cap A,B,C...  the lines given by “Bearing and angle” clicks on these points,
                  in this order
</translation>
    </message>
    <message>
        <source>IMAGE</source>
        <translation>PICTURE</translation>
    </message>
    <message>
        <source>la surface et le contour des zones coloriées d&apos;une image (Calcul Surf colorée)</source>
        <translation>the area and the outline of the coloured zones of a picture (coloured area)</translation>
    </message>
    <message>
        <source>IMAGE [--project FICHIER.trc] [--fill R,G,B] [-o SORTIE]

Compte les pixels de la couleur de fond dans l&apos;image, trace leur contour en cyan et en
mesure la longueur ; écrit les deux lignes « Surface raster » et « L raster » du panneau
de texte. Sans projet, la surface est en pixels.

  --project FICHIER.trc  l&apos;échelle des points de calage 1 à 3 de ce projet
  --fill R,G,B           la couleur de fond (défaut 0,128,0)
  -o, --output SORTIE    l&apos;image avec son contour : JPEG si le nom contient « jpg »,
                         BMP sinon
</source>
        <translation>PICTURE [--project FILE.trc] [--fill R,G,B] [-o OUTPUT]

Counts the pixels of the fill colour in the picture, draws their outline in cyan and
measures its length; writes the two lines of the text panel, the raster area and the
raster length. Without a project, the area is in pixels.

  --project FILE.trc     the scale of calibration points 1 to 3 of this project
  --fill R,G,B           the fill colour (default 0,128,0)
  -o, --output OUTPUT    the picture with its outline: JPEG if the name holds “jpg”,
                         BMP otherwise
</translation>
    </message>
    <message>
        <source>--threshold SEUIL est obligatoire</source>
        <translation>--threshold THRESHOLD is required</translation>
    </message>
    <message>
        <source>-o SORTIE est obligatoire</source>
        <translation>-o OUTPUT is required</translation>
    </message>
    <message>
        <source>une image en noir et blanc selon son niveau de gris (n &amp; b : seuil de gris)</source>
        <translation>a picture in black and white by its grey level (b &amp; w: grey threshold)</translation>
    </message>
    <message>
        <source>IMAGE --threshold SEUIL -o SORTIE [--border R,G,B]

Rend blanc chaque pixel dont le gris dépasse SEUIL millions, noir les autres, puis blanc
chaque pixel isolé de la couleur de bordure.

  --threshold SEUIL    seuil de gris en millions, « . » ou « , » comme marque (10 : gris
                       152 et plus en blanc)
  -o, --output SORTIE  l&apos;image écrite : JPEG si le nom contient « jpg », BMP sinon
  --border R,G,B       la couleur de bordure (défaut 0,255,0)
</source>
        <translation>PICTURE --threshold THRESHOLD -o OUTPUT [--border R,G,B]

Makes white every pixel whose grey exceeds THRESHOLD millions, black the others, then
white every isolated pixel of the border colour.

  --threshold THRESHOLD  grey threshold in millions, “.” or “,” as decimal mark (10: grey
                         152 and above in white)
  -o, --output OUTPUT    the picture written: JPEG if the name holds “jpg”, BMP otherwise
  --border R,G,B         the border colour (default 0,255,0)
</translation>
    </message>
    <message>
        <source>--from et --box s&apos;excluent</source>
        <translation>--from and --box exclude each other</translation>
    </message>
    <message>
        <source>--box demande la couleur de la courbe : --colour R,G,B</source>
        <translation>--box needs the colour of the curve: --colour R,G,B</translation>
    </message>
    <message>
        <source>La couleur %1 n&apos;est pas dans le cadre</source>
        <translation>The colour %1 is not in the box</translation>
    </message>
    <message>
        <source>--from X,Y ou --box X0,Y0,X1,Y1 est obligatoire</source>
        <translation>--from X,Y or --box X0,Y0,X1,Y1 is required</translation>
    </message>
    <message>
        <source>--from : le point %1 est hors de l&apos;image</source>
        <translation>--from: the point %1 is outside the picture</translation>
    </message>
    <message>
        <source>--spacing et --simplify s&apos;excluent</source>
        <translation>--spacing and --simplify exclude each other</translation>
    </message>
    <message>
        <source>--project et -o SORTIE.trc vont ensemble</source>
        <translation>--project and -o OUTPUT.trc go together</translation>
    </message>
    <message>
        <source>suit un trait de l&apos;image depuis un point, ou une courbe par pas de X</source>
        <translation>follows a line of the picture from a point, or a curve by X step</translation>
    </message>
    <message>
        <source>IMAGE --from X,Y [--colour R,G,B] [--tolerance T] [--gap PX]
                           [--spacing PX | --simplify PX] [--project P.trc -o SORTIE.trc]
        tracelle-cli trace IMAGE --box X0,Y0,X1,Y1 --colour R,G,B --x-step PX [...mêmes options]

Suit le trait sous le point X,Y dans les deux sens, jusqu&apos;à ses bouts, au bord de l&apos;image
ou à une interruption plus longue que --gap ; aux croisements il garde sa couleur et va
tout droit. Avec --box, prend un point par bande de --x-step colonnes au centre des pixels
de la couleur (Courbe par pas de X). Sans projet, écrit les points en pixels, « x&lt;TAB&gt;y »,
un par ligne, d&apos;un bout du trait à l&apos;autre. Avec --project, ajoute les points au projet
sur une nouvelle ligne (ou sur la ligne en cours si elle est vide), avec leurs
coordonnées réelles par le calage, et écrit le projet dans SORTIE.trc.

  --from X,Y              le point de départ, sur le trait
  --box X0,Y0,X1,Y1       le cadre de la courbe (entre les axes), avec --colour
  --colour R,G,B          la couleur du trait (défaut : celle sous le point de départ)
  --tolerance T           l&apos;écart de couleur admis, en ΔE CIE (défaut 30)
  --gap PX                la plus longue interruption franchie, en pixels (défaut 6)
  --spacing PX            un point tous les PX pixels le long du trait (défaut 10)
  --simplify PX           le moins de points à moins de PX pixels du trait
                          (Douglas-Peucker)
  --x-step PX             la largeur des bandes de colonnes avec --box (défaut 5)
  --project P.trc         le projet auquel ajouter la ligne
  -o, --output SORTIE.trc le projet écrit
</source>
        <translation>PICTURE --from X,Y [--colour R,G,B] [--tolerance T] [--gap PX]
                           [--spacing PX | --simplify PX] [--project P.trc -o OUTPUT.trc]
        tracelle-cli trace PICTURE --box X0,Y0,X1,Y1 --colour R,G,B --x-step PX [...same options]

Follows the line under the point X,Y both ways, to its ends, to the edge of the picture
or to a break longer than --gap; at crossings it keeps its colour and goes straight on.
With --box, takes one point per band of --x-step columns at the centre of the pixels of
the colour (Curve by X step). Without a project, writes the points in pixels, “x&lt;TAB&gt;y”,
one per row, from one end of the line to the other. With --project, adds the points to
the project on a new line (or on the current line if it is empty), with their real
coordinates from the calibration, and writes the project to OUTPUT.trc.

  --from X,Y              the starting point, on the line
  --box X0,Y0,X1,Y1       the box of the curve (between the axes), with --colour
  --colour R,G,B          the colour of the line (default: the one under the starting point)
  --tolerance T           the colour difference allowed, in CIE ΔE (default 30)
  --gap PX                the longest break crossed, in pixels (default 6)
  --spacing PX            one point every PX pixels along the line (default 10)
  --simplify PX           the fewest points within PX pixels of the line
                          (Douglas-Peucker)
  --x-step PX             the width of the bands of columns with --box (default 5)
  --project P.trc         the project to add the line to
  -o, --output OUTPUT.trc the project written
</translation>
    </message>
    <message>
        <source>conversion inconnue : %1 (utm-to-latlon, latlon-to-utm, latlon-to-utm-empty, dms-to-decimal, decimal-to-dms ou km)</source>
        <translation>unknown conversion: %1 (utm-to-latlon, latlon-to-utm, latlon-to-utm-empty, dms-to-decimal, decimal-to-dms or km)</translation>
    </message>
    <message>
        <source>--%1 : &apos;%2&apos; n&apos;est pas un nombre de kilomètres</source>
        <translation>--%1: &apos;%2&apos; is not a number of kilometres</translation>
    </message>
    <message>
        <source>l&apos;entrée standard est trop grande (%1 Mo au plus)</source>
        <translation>standard input is too large (%1 MB at most)</translation>
    </message>
    <message>
        <source>lecture impossible sur l&apos;entrée standard</source>
        <translation>cannot read standard input</translation>
    </message>
    <message>
        <source>CONVERSION</source>
        <translation>CONVERSION</translation>
    </message>
    <message>
        <source>ligne %1 (n° %2 du tableau) : %3</source>
        <translation>line %1 (row %2 of the table): %3</translation>
    </message>
    <message>
        <source>les conversions du tableau UTM (UTM, degrés décimaux, degrés-minutes-secondes, km)</source>
        <translation>the conversions of the UTM table (UTM, decimal degrees, degrees-minutes-seconds, km)</translation>
    </message>
    <message>
        <source>CONVERSION [TABLEAU] [-o SORTIE] [--ra KM] [--rb KM]

Lit TABLEAU (sinon l&apos;entrée standard, 1024 Mo au plus), un tableau de conversion tel
que l&apos;écrit le bouton « Presse papier » du convertisseur (UTMpresse_papier.txt : une
ligne d&apos;en-têtes, puis une ligne par point, chaque case suivie d&apos;une tabulation) ou la
première feuille d&apos;un classeur (*.xls, *.xlsx, *.ods, *.csv) rangée de même, y fait la
conversion demandée comme le bouton du même nom, et écrit le tableau obtenu sous la même
forme (Windows-1252, fins de ligne CR LF) dans SORTIE ou sur la sortie standard.
CONVERSION est l&apos;une de :
  utm-to-latlon        « UTM --&gt; Lat,Long »
  latlon-to-utm        « °lat,°long --&gt; UTM  (tous) »
  latlon-to-utm-empty  « °lat,°long --&gt; UTM (vide) » : seulement les lignes sans Est ni Nord
  dms-to-decimal       « °lat °long --&gt; Lat Long »
  decimal-to-dms       « Lat Long --&gt; °lat °long »
  km                   « °lat,°long --&gt; x et y »
Une zone qui n&apos;est pas un nombre entier arrête la conversion : rien n&apos;est écrit.

  -o, --output SORTIE  le tableau écrit (sinon la sortie standard)
  --ra KM              rayon Ra de l&apos;approximation en km (défaut 6378)
  --rb KM              rayon Rb de l&apos;approximation en km (défaut 6347)
</source>
        <translation>CONVERSION [TABLE] [-o OUTPUT] [--ra KM] [--rb KM]

Reads TABLE (else standard input, 1024 MB at most), a conversion table as the
converter&apos;s “Clipboard” button writes it (UTMpresse_papier.txt: a line of headers, then
one line per point, every cell followed by a tab) or the first sheet of a workbook
(*.xls, *.xlsx, *.ods, *.csv) laid out alike, performs on it the conversion asked for
as the button of the same name does, and writes the table obtained in the same form
(Windows-1252, CR LF line ends) to OUTPUT or to standard output.
CONVERSION is one of:
  utm-to-latlon        “UTM --&gt; Lat,Long”
  latlon-to-utm        “°lat,°long --&gt; UTM  (all)”
  latlon-to-utm-empty  “°lat,°long --&gt; UTM (empty)”: only the lines without East or North
  dms-to-decimal       “°lat °long --&gt; Lat Long”
  decimal-to-dms       “Lat Long --&gt; °lat °long”
  km                   “°lat,°long --&gt; x and y”
A UTM zone that is not a whole number stops the conversion: nothing is written.

  -o, --output OUTPUT  the table written (else standard output)
  --ra KM              radius Ra of the approximation in km (default 6378)
  --rb KM              radius Rb of the approximation in km (default 6347)
</translation>
    </message>
    <message>
        <source>--colour R,G,B est obligatoire</source>
        <translation>--colour R,G,B is required</translation>
    </message>
    <message>
        <source>vectorise toutes les lignes d&apos;une couleur de l&apos;image</source>
        <translation>vectorises every line of one colour of the picture</translation>
    </message>
    <message>
        <source>IMAGE --colour R,G,B [--box X0,Y0,X1,Y1] [--tolerance T] [--gap PX]
                           [--min-length PX] [--simplify PX] [--project P.trc -o SORTIE.trc]

Prend tous les pixels de la couleur (dans le cadre s&apos;il est donné), les amincit à leur
ligne médiane et la coupe en lignes à leurs bouts et à leurs jonctions : les lignes qui
se rejoignent partagent le même point, une courbe fermée revient fermée. Les interruptions
jusqu&apos;à --gap pixels sont franchies dans la direction du trait ; les lignes plus courtes
que --min-length sont laissées (points, lettres, hachures). Sans projet, écrit un point
par ligne, « L&lt;TAB&gt;x&lt;TAB&gt;y », L le numéro de la ligne à partir de 1, les lignes dans
l&apos;ordre de leur premier point (de haut en bas, puis de gauche à droite), les points d&apos;un
bout à l&apos;autre ; une ligne fermée répète son premier point à la fin. Avec --project,
ajoute les lignes au projet, chacune sur une nouvelle ligne, avec leurs coordonnées
réelles par le calage, et écrit le projet dans SORTIE.trc.

  --colour R,G,B          la couleur des lignes
  --box X0,Y0,X1,Y1       le cadre où chercher (défaut : toute l&apos;image)
  --tolerance T           l&apos;écart de couleur admis, en ΔE CIE (défaut 30)
  --gap PX                la plus longue interruption franchie, en pixels (défaut 6)
  --min-length PX         la longueur des plus courtes lignes gardées (défaut 20)
  --simplify PX           l&apos;écart admis au trait en simplifiant (Douglas-Peucker,
                          défaut 1)
  --project P.trc         le projet auquel ajouter les lignes
  -o, --output SORTIE.trc le projet écrit
</source>
        <translation>PICTURE --colour R,G,B [--box X0,Y0,X1,Y1] [--tolerance T] [--gap PX]
                           [--min-length PX] [--simplify PX] [--project P.trc -o OUTPUT.trc]

Takes every pixel of the colour (within the box if one is given), thins them to their
centreline and cuts it into lines at their ends and junctions: lines that meet share the
same point, a closed curve comes back closed. Breaks of up to --gap pixels are crossed
in the direction of the line; lines shorter than --min-length are left out (dots,
letters, hatching). Without a project, writes one point per row, “L&lt;TAB&gt;x&lt;TAB&gt;y”, L the
number of the line from 1, the lines in the order of their first point (top to bottom,
then left to right), the points from one end to the other; a closed line repeats its
first point at the end. With --project, adds the lines to the project, each on a new
line, with their real coordinates from the calibration, and writes the project to
OUTPUT.trc.

  --colour R,G,B          the colour of the lines
  --box X0,Y0,X1,Y1       the box to search (default: the whole picture)
  --tolerance T           the colour difference allowed, in CIE ΔE (default 30)
  --gap PX                the longest break crossed, in pixels (default 6)
  --min-length PX         the length of the shortest lines kept (default 20)
  --simplify PX           the distance allowed from the line when simplifying
                          (Douglas-Peucker, default 1)
  --project P.trc         the project to add the lines to
  -o, --output OUTPUT.trc the project written
</translation>
    </message>
    <message>
        <source>--format : &apos;%1&apos; (tif, jpeg ou bmp)</source>
        <translation>--format: &apos;%1&apos; (tif, jpeg or bmp)</translation>
    </message>
    <message>
        <source>--width-cm et --dpi donnent une largeur nulle</source>
        <translation>--width-cm and --dpi give a zero width</translation>
    </message>
    <message>
        <source>le dessin n&apos;a pas de largeur</source>
        <translation>the drawing has no width</translation>
    </message>
    <message>
        <source>rien à convertir</source>
        <translation>nothing to convert</translation>
    </message>
    <message>
        <source>une image vectorielle (emf, wmf), bitmap ou une page PDF en TIFF, JPEG ou BMP</source>
        <translation>a vector picture (emf, wmf), a bitmap or a PDF page into TIFF, JPEG or BMP</translation>
    </message>
    <message>
        <source>SOURCE -o SORTIE [--width-cm 18] [--dpi 150] [--background R,G,B]
        [--format tif|jpeg|bmp] [--page N]

Fait ce que font les étapes 1 à 4 de la fenêtre « e m f » : un métafichier (.emf, .wmf)
ou une page PDF est dessiné sur la couleur de fond à la largeur la plus proche de
largeur × résolution (à 1 % près), une image (.bmp, .jpg, .ico) garde sa taille.

  -o, --output SORTIE  le fichier écrit ; sans point dans le nom, l&apos;extension du
                       format est ajoutée ; en tif, l&apos;extension devient .tif
  --width-cm CM        largeur de la figure en centimètres (défaut 18)
  --dpi DPI            résolution souhaitée (défaut 150)
  --background R,G,B   la couleur de fond (défaut 255,255,255)
  --format FORMAT      tif, jpeg ou bmp (défaut : celui de l&apos;extension de SORTIE,
                       sinon bmp)
  --page N             la page d&apos;un PDF (défaut 1)
</source>
        <translation>SOURCE -o OUTPUT [--width-cm 18] [--dpi 150] [--background R,G,B]
        [--format tif|jpeg|bmp] [--page N]

Does what steps 1 to 4 of the “e m f” window do: a metafile (.emf, .wmf) or a PDF
page is drawn on the background colour at the width nearest to width × resolution
(within 1 %), a picture (.bmp, .jpg, .ico) keeps its size.

  -o, --output OUTPUT  the file written; without a dot in the name, the format&apos;s
                       extension is added; in tif, the extension becomes .tif
  --width-cm CM        width of the figure in centimetres (default 18)
  --dpi DPI            desired resolution (default 150)
  --background R,G,B   the background colour (default 255,255,255)
  --format FORMAT      tif, jpeg or bmp (default: the one of OUTPUT&apos;s extension,
                       else bmp)
  --page N             the page of a PDF (default 1)
</translation>
    </message>
    <message>
        <source>--format attend geojson, kml, shp ou dxf (pas « %1 »)</source>
        <translation>--format expects geojson, kml, shp or dxf (not “%1”)</translation>
    </message>
    <message>
        <source>--%1 ne s&apos;emploie pas avec --format</source>
        <translation>--%1 is not used with --format</translation>
    </message>
    <message>
        <source>--format demande le fichier à écrire : -o SORTIE</source>
        <translation>--format needs the file to write: -o OUTPUT</translation>
    </message>
    <message>
        <source>--crs SYSTÈME est obligatoire</source>
        <translation>--crs SYSTEM is required</translation>
    </message>
    <message>
        <source>géoréférence l&apos;image d&apos;un projet calé : fichier de calage et .prj, ou GeoTIFF</source>
        <translation>georeferences the picture of a calibrated project: world file and .prj, or GeoTIFF</translation>
    </message>
    <message>
        <source>PROJET.trc --crs SYSTÈME [--world] [--geotiff SORTIE.tif]

  --crs SYSTÈME  le système des coordonnées réelles, comme pour export : un code EPSG
                 (« EPSG:2154 »), une chaîne PROJ, ou « aucun » (pas de .prj)
  --world        le fichier de calage (.jgw, .tfw, .pgw, .wld... d&apos;après l&apos;extension de
                 l&apos;image ; la valeur au centre du pixel en haut à gauche) et le .prj
                 écrits à côté de l&apos;image (ce que fait la commande sans --geotiff)
  --geotiff SORTIE.tif  les pixels de l&apos;image en GeoTIFF, placés et munis du système ;
                 rééchantillonnés sur une grille orientée au nord pour un calage
                 projectif ou polynomial

Le fichier de calage demande un calage affine ou Helmert. Affiche les fichiers écrits.
Des axes logarithmiques ou polaires, un système inconnu, un fichier de calage pour un
calage projectif ou polynomial : sortie 1, rien n&apos;est écrit.
</source>
        <translation>PROJECT.trc --crs SYSTEM [--world] [--geotiff OUTPUT.tif]

  --crs SYSTEM   the system of the real coordinates, as for export: an EPSG code
                 (“EPSG:2154”), a PROJ string, or “aucun” (no .prj)
  --world        the world file (.jgw, .tfw, .pgw, .wld... from the picture&apos;s
                 extension; the value at the centre of the top left pixel) and the
                 .prj, written beside the picture (what the command does without
                 --geotiff)
  --geotiff OUTPUT.tif  the pixels of the picture in GeoTIFF, placed and given the
                 system; resampled on a north-up grid for a projective or polynomial
                 calibration

The world file needs an affine or Helmert calibration. Prints the files written.
Logarithmic or polar axes, an unknown system, a world file for a projective or
polynomial calibration: exit status 1, nothing is written.
</translation>
    </message>
    <message>
        <source>%1 introuvable : installation incomplète</source>
        <translation>%1 not found: incomplete installation</translation>
    </message>
    <message>
        <source>%1 ne peut pas être lancé : installation incomplète</source>
        <translation>%1 cannot be started: incomplete installation</translation>
    </message>
    <message>
        <source>Usage : tracelle-cli COMMANDE [OPTIONS] ...

Traite des projets Tracelle (*.trc) et des images sans fenêtre : les résultats sont ceux du
programme, au caractère près.

Commandes :
</source>
        <translation>Usage: tracelle-cli COMMAND [OPTIONS] ...

Processes Tracelle projects (*.trc) and pictures without a window: the results are the
program&apos;s own, to the character.

Commands:
</translation>
    </message>
    <message>
        <source>
Options de toutes les commandes :
  --decimal-separator , ou .   marque décimale des nombres du projet, comme les
                               réglages régionaux du programme (par défaut ceux
                               de la session)
  --help                       l&apos;aide de la commande
  --lang fr ou en              langue des messages (par défaut celle de la session)

« tracelle-cli COMMANDE --help » décrit une commande.
« tracelle-cli --version » donne la version.
Code de sortie : 0 réussite, 1 données incorrectes, 2 mauvais usage.
</source>
        <translation>
Options of every command:
  --decimal-separator , or .   decimal mark of the project&apos;s numbers, as the program&apos;s
                               regional settings (by default the session&apos;s)
  --help                       the command&apos;s help
  --lang fr or en              language of the messages (by default the session&apos;s)

“tracelle-cli COMMAND --help” describes a command.
“tracelle-cli --version” gives the version.
Exit status: 0 success, 1 incorrect data, 2 bad usage.
</translation>
    </message>
    <message>
        <source>tracelle-cli : %1 (tracelle-cli --help pour l&apos;aide)</source>
        <translation>tracelle-cli: %1 (tracelle-cli --help for help)</translation>
    </message>
    <message>
        <source>commande inconnue : %1</source>
        <translation>unknown command: %1</translation>
    </message>
    <message>
        <source>Usage : tracelle-cli %1 %2</source>
        <translation>Usage: tracelle-cli %1 %2</translation>
    </message>
    <message>
        <source>
  --decimal-separator , ou .   marque décimale des nombres du projet
</source>
        <translation>
  --decimal-separator , or .   decimal mark of the project&apos;s numbers
</translation>
    </message>
    <message>
        <source>--decimal-separator attend , ou . (pas « %1 »)</source>
        <translation>--decimal-separator expects , or . (not “%1”)</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>--%1 : &apos;%2&apos; n&apos;est pas de la forme %3</source>
        <translation>--%1: &apos;%2&apos; is not of the form %3</translation>
    </message>
    <message>
        <source>--%1 : &apos;%2&apos; n&apos;est pas un nombre positif</source>
        <translation>--%1: &apos;%2&apos; is not a positive number</translation>
    </message>
    <message>
        <source>--%1 : &apos;%2&apos; n&apos;est pas un entier positif</source>
        <translation>--%1: &apos;%2&apos; is not a positive integer</translation>
    </message>
</context>
<context>
    <name>render</name>
    <message>
        <source>%1 : seuls les fichiers .emf, .wmf, .bmp, .jpg, .ico et .pdf se convertissent</source>
        <translation>%1: only .emf, .wmf, .bmp, .jpg, .ico and .pdf files can be converted</translation>
    </message>
    <message>
        <source>le document n&apos;a aucune page</source>
        <translation>the document has no page</translation>
    </message>
    <message>
        <source>le document n&apos;a pas de page %1 (%2 pages)</source>
        <translation>the document has no page %1 (%2 pages)</translation>
    </message>
    <message>
        <source>métafichier EMF illisible</source>
        <translation>unreadable EMF metafile</translation>
    </message>
    <message>
        <source>dessin impossible : l&apos;application en place n&apos;est pas graphique</source>
        <translation>cannot draw: the running application is not graphical</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir le fichier</source>
        <translation>cannot open the file</translation>
    </message>
    <message>
        <source>le dessin du métafichier n&apos;a pu être interprété</source>
        <translation>the metafile&apos;s drawing could not be interpreted</translation>
    </message>
    <message>
        <source>mémoire insuffisante</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>ce fichier n&apos;est pas un document PDF lisible</source>
        <translation>this file is not a readable PDF document</translation>
    </message>
    <message>
        <source>document PDF protégé par un mot de passe</source>
        <translation>PDF document protected by a password</translation>
    </message>
    <message>
        <source>document PDF sans page</source>
        <translation>PDF document without pages</translation>
    </message>
    <message>
        <source>la page %1 n&apos;existe pas dans ce document</source>
        <translation>page %1 does not exist in this document</translation>
    </message>
    <message>
        <source>page PDF sans dimensions</source>
        <translation>PDF page without dimensions</translation>
    </message>
    <message>
        <source>largeur de page invalide</source>
        <translation>invalid page width</translation>
    </message>
    <message>
        <source>la page PDF n&apos;a pu être dessinée</source>
        <translation>the PDF page could not be drawn</translation>
    </message>
    <message>
        <source>lecteur de métafichiers WMF indisponible</source>
        <translation>WMF metafile reader unavailable</translation>
    </message>
    <message>
        <source>métafichier WMF illisible</source>
        <translation>unreadable WMF metafile</translation>
    </message>
</context>
</TS>
