#!/bin/bash
# Installs the build tree into a temporary prefix and checks what a desktop needs there.
#   installation_test.sh BUILD SOURCES
set -u
build=$1 sources=$2
prefixe=$(mktemp -d)
trap 'rm -rf "$prefixe"' EXIT
echecs=0
echec() { echo "ÉCHEC : $*"; echecs=$((echecs + 1)); }
fichier() { [ -f "$prefixe/$1" ] || echec "$1 manque"; }

cmake --install "$build" --prefix "$prefixe" > "$prefixe.log" 2>&1 || { cat "$prefixe.log"; echec "cmake --install"; }
rm -f "$prefixe.log"

for p in calevrin calevrin-cli; do
  [ -x "$prefixe/bin/$p" ] || echec "bin/$p manque ou n'est pas exécutable"
done
"$prefixe/bin/calevrin-cli" --version > /dev/null || echec "calevrin-cli installé ne démarre pas"

# The desktop entry, the file type and the association code name one and the same type.
entree=share/applications/calevrin.desktop
mime=share/mime/packages/calevrin.xml
fichier "$entree"
fichier "$mime"
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$prefixe/$mime")
grep -q "\"$type\"" "$sources/platform/association.cpp" || echec "le type $type n'est pas celui de platform/association.cpp"
grep -q "<glob pattern=\"\*\.cl3\"/>" "$prefixe/$mime" || echec "$mime sans *.cl3"
grep -q "^MimeType=.*$type;" "$prefixe/$entree" || echec "$entree ne déclare pas $type"
exec_prog=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefixe/$entree")
[ -x "$prefixe/bin/$exec_prog" ] || echec "Exec=$exec_prog n'est pas le programme installé"
grep -q '^Icon=calevrin$' "$prefixe/$entree" || echec "$entree sans Icon=calevrin"
if command -v desktop-file-validate > /dev/null; then
  sortie=$(desktop-file-validate "$prefixe/$entree" 2>&1) || echec "desktop-file-validate : $sortie"
  [ -z "$sortie" ] || echec "desktop-file-validate : $sortie"
else
  echo "desktop-file-validate absent (paquet desktop-file-utils) : entrée non validée"
fi
if command -v update-mime-database > /dev/null; then
  update-mime-database "$prefixe/share/mime" > /dev/null || echec "update-mime-database refuse $mime"
  grep -q "$type:\*\.cl3" "$prefixe/share/mime/globs2" || echec "*.cl3 absent de la base MIME construite"
fi

metainfo=share/metainfo/org.example.calevrin.metainfo.xml
fichier "$metainfo"
grep -q '<launchable type="desktop-id">calevrin.desktop</launchable>' "$prefixe/$metainfo" || echec "$metainfo sans l'entrée de bureau"
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$prefixe/$metainfo" > /dev/null 2>&1 ||
    echec "appstreamcli validate : $(appstreamcli validate --no-net "$prefixe/$metainfo" 2>&1)"
else
  echo "appstreamcli absent (paquet appstream) : métadonnées non validées"
fi

# Icons: the SVG and each PNG at its own size (width and height of the PNG header).
fichier share/icons/hicolor/scalable/apps/calevrin.svg
for t in 16 22 24 32 48 64 128 256; do
  png=share/icons/hicolor/${t}x${t}/apps/calevrin.png
  fichier "$png"
  [ -f "$prefixe/$png" ] || continue
  dims=$(od -An -tu1 -j16 -N8 "$prefixe/$png" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
  [ "$dims" = "${t}x${t}" ] || echec "$png mesure $dims"
done

# The help pages, all of them.
n_sources=$(ls "$sources"/help/*.html | wc -l)
n_installees=$(ls "$prefixe"/share/doc/calevrin/aide/*.html 2> /dev/null | wc -l)
[ "$n_sources" = "$n_installees" ] || echec "$n_installees pages d'aide installées sur $n_sources"
fichier share/doc/calevrin/aide/index.html
fichier share/doc/calevrin/copyright
fichier share/doc/calevrin/changelog.Debian.gz
gzip -t "$prefixe/share/doc/calevrin/changelog.Debian.gz" || echec "changelog.Debian.gz illisible"

# Nothing else: a library or a header of the build must not ride along.
autres=$(cd "$prefixe" && find . -type f | grep -vE '^\./(bin/calevrin(-cli)?|share/applications/calevrin\.desktop|share/mime/.*|share/metainfo/[^/]+|share/icons/hicolor/[^/]+/apps/calevrin\.(png|svg)|share/doc/calevrin/aide/[^/]+\.html|share/doc/calevrin/(copyright|changelog\.Debian\.gz))$')
[ -z "$autres" ] || echec "fichiers inattendus : $autres"

if [ "$echecs" -gt 0 ]; then
  echo "$echecs échec(s)"
  exit 1
fi
echo "installation vérifiée"
