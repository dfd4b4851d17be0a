# Writes the registry stand-in for the prefix being installed to and
# installs it: /etc/keltra/registry.ini under the prefix /usr, else
# <prefix>/etc/keltra/registry.ini.
set(QG_SHARE_DIR "${CMAKE_INSTALL_PREFIX}/${QG_SHARE_SUBDIR}")
set(QG_VIEWER_DIR "${CMAKE_INSTALL_PREFIX}/${QG_VIEWER_SUBDIR}")
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(QG_ETC_DIR "/etc")
else()
  set(QG_ETC_DIR "${CMAKE_INSTALL_PREFIX}/etc")
endif()
set(QG_DEVICE_DIR "${QG_ETC_DIR}/keltra/devices")
configure_file("${QG_REGISTRY_TEMPLATE}" "${QG_REGISTRY_STAGE}" @ONLY)
# file(INSTALL) puts $DESTDIR in front by itself.
file(INSTALL DESTINATION "${QG_ETC_DIR}/keltra" TYPE FILE FILES "${QG_REGISTRY_STAGE}")
# The configuration directory it names, empty, for the per-device files.
file(MAKE_DIRECTORY "$ENV{DESTDIR}${QG_DEVICE_DIR}")
