#!/bin/bash
# Builds the Debian package, inspects it, installs it with apt into a scratch Debian 12 root as
# on a fresh machine, and starts the program there as a new user with a class file.
#   CALEVRIN_TEST_PAQUET=1 paquet_test.sh BUILD
# Slow (a minimal Debian is downloaded): skipped (77) unless asked. Needs root and mmdebstrap.
set -u
if [ "${CALEVRIN_TEST_PAQUET:-}" != 1 ]; then
  echo "ignoré : CALEVRIN_TEST_PAQUET=1 construit le paquet et l'installe dans une racine Debian 12"
  exit 77
fi
build=$(cd "$1" && pwd)
sources=$(cd "$(dirname "$0")/../.." && pwd)
for outil in mmdebstrap chroot dpkg-deb; do
  command -v $outil > /dev/null || { echo "ÉCHEC : $outil manque (apt install mmdebstrap)"; exit 1; }
done
[ "$(id -u)" = 0 ] || { echo "ÉCHEC : l'installation dans une racine demande root"; exit 1; }
echecs=0
echec() { echo "ÉCHEC : $*"; echecs=$((echecs + 1)); }

rm -f "$build"/calevrin_*.deb
(cd "$build" && cpack -G DEB > cpack.log 2>&1) || { cat "$build/cpack.log"; echo "ÉCHEC : cpack"; exit 1; }
deb=$(ls "$build"/calevrin_*.deb)
echo "== $deb"
dpkg-deb -I "$deb"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins libxlsxwriter4; do
  [[ "$depends" == *"$d"* ]] || echec "Depends sans $d : $depends"
done
contenu=$(dpkg-deb -c "$deb")
for f in ./usr/bin/calevrin ./usr/bin/calevrin-cli ./usr/share/applications/calevrin.desktop \
         ./usr/share/mime/packages/calevrin.xml ./usr/share/metainfo/org.example.calevrin.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/calevrin.svg ./usr/share/icons/hicolor/48x48/apps/calevrin.png \
         ./usr/share/doc/calevrin/aide/index.html ./usr/share/doc/calevrin/copyright \
         ./usr/share/doc/calevrin/changelog.Debian.gz; do
  grep -q " $f\$" <<< "$contenu" || echec "$f absent du paquet"
done

racine=$(mktemp -d /var/tmp/calevrin-racine-XXXXXX)
nettoyer() {
  umount "$racine/proc" 2> /dev/null
  rm -rf "$racine"
}
trap nettoyer EXIT
echo "== racine Debian 12 minimale dans $racine"
mmdebstrap --variant=apt --include=ca-certificates bookworm "$racine" > "$build/mmdebstrap.log" 2>&1 ||
  { tail -20 "$build/mmdebstrap.log"; echo "ÉCHEC : mmdebstrap"; exit 1; }
cp /etc/resolv.conf "$racine/etc/resolv.conf"
mount -t proc proc "$racine/proc"
cp "$deb" "$racine/tmp/"
dans() { chroot "$racine" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }
echo "== apt install ./$(basename "$deb")"
dans apt-get update -q > /dev/null
if ! (cd "$racine/tmp" && dans sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -q ./$(basename "$deb")" > "$build/apt.log" 2>&1); then
  tail -30 "$build/apt.log"
  echo "ÉCHEC : apt install"
  exit 1
fi

dans calevrin-cli --version || echec "calevrin-cli ne démarre pas"
dans grep -q 'application/x-calevrin-classe:\*\.cl3' /usr/share/mime/globs2 || echec "*.cl3 absent de la base MIME du système"
dans grep -q 'application/x-calevrin-classe=calevrin.desktop' /usr/share/applications/mimeinfo.cache ||
  echec "le menu ne sait pas ouvrir un .cl3 avec calevrin.desktop"

# A new user double-clicks a class: the desktop runs the Exec line with the file.
dans useradd -m prof
cp "$sources/examples/4eB.cl3" "$racine/home/prof/4eB.cl3"
dans chown prof: /home/prof/4eB.cl3
dans su prof -c 'QT_QPA_PLATFORM=offscreen timeout 10 calevrin /home/prof/4eB.cl3' > "$build/lancement.log" 2>&1
rc=$?
[ $rc = 124 ] || { cat "$build/lancement.log"; echec "calevrin s'est arrêté (code $rc) au lieu de tourner"; }
grep -v 'propagateSizeHints\|does not support' "$build/lancement.log" | grep . &&
  echec "messages au lancement (ci-dessus)"

if [ "$echecs" -gt 0 ]; then
  echo "$echecs échec(s)"
  exit 1
fi
echo "paquet installé et lancé dans une racine Debian 12"
