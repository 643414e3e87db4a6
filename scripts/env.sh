# Sourced by the scripts: Qt WebEngine's sandbox refuses to run as root, so only then is it off.
if [ "$(id -u)" -eq 0 ]; then
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
