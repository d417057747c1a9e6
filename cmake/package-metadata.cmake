# jaggo: what every package CPack makes says of itself (the source package and the Windows ZIP);
# the Debian package says it in debian/control, which Debian's tools read.
set(CPACK_PACKAGE_NAME jaggo)
set(CPACK_PACKAGE_VENDOR "jaggo developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive diagnostic for multisample anti-aliasing in OpenGL")
