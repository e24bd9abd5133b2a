# Runs at install time (cmake --install, cpack) with the variables the
# install rules set: what the installation holds that is made from sources.
set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

find_program(VONU_RSVG_CONVERT rsvg-convert)
if(NOT VONU_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert renders the icons: install Debian's librsvg2-bin (scripts/setup does).")
endif()
foreach(size 16 22 24 32 48 64 128 256)
  set(dir "${root}/${VONU_DATADIR}/icons/hicolor/${size}x${size}/apps")
  file(MAKE_DIRECTORY "${dir}")
  execute_process(COMMAND "${VONU_RSVG_CONVERT}" -w ${size} -h ${size} -o "${dir}/vonuorder.png"
                          "${VONU_PACKAGING_DIR}/vonuorder.svg"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "The ${size} pixel icon could not be rendered.")
  endif()
  message(STATUS "Rendered: ${dir}/vonuorder.png")
endforeach()

# Debian keeps manual pages and changelogs compressed, without a time stamp.
function(vonu_gzip source target)
  get_filename_component(dir "${target}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  execute_process(COMMAND gzip -9nc "${source}" OUTPUT_FILE "${target}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${source} could not be compressed.")
  endif()
  message(STATUS "Compressed: ${target}")
endfunction()

# The changelog speaks for the version it heads: a new version needs an entry.
file(STRINGS "${VONU_PACKAGING_DIR}/changelog" head LIMIT_COUNT 1)
if(NOT head MATCHES "^vonuorder \\(${VONU_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not begin with version ${VONU_VERSION}: ${head}")
endif()
vonu_gzip("${VONU_PACKAGING_DIR}/vonuorder.1" "${root}/${VONU_MANDIR}/man1/vonuorder.1.gz")
vonu_gzip("${VONU_PACKAGING_DIR}/changelog" "${root}/${VONU_DOCDIR}/changelog.gz")
