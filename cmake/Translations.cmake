# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# tomavel_embed_translations(TARGET FOLDER)
#
# Every FOLDER/tomavel_<code>.ts (Qt Linguist) is compiled by lrelease (Debian's
# qt6-l10n-tools) and compiled into TARGET as :/i18n/tomavel_<code>.qm, where the
# game finds its languages at run time. A new .ts file in FOLDER is a new
# language at the next build; nothing else lists them.
find_program(TOMAVEL_LRELEASE lrelease HINTS /usr/lib/qt6/bin REQUIRED)

function(tomavel_embed_translations target folder)
  file(GLOB ts_files CONFIGURE_DEPENDS ${folder}/tomavel_*.ts)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/i18n_${target})
  set(qm_files)
  foreach(ts ${ts_files})
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${out}/${name}.qm)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
      COMMAND ${TOMAVEL_LRELEASE} -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      COMMENT "Compiling the texts of ${name}")
    set_source_files_properties(${qm} PROPERTIES GENERATED TRUE)
    list(APPEND qm_files ${qm})
  endforeach()
  if(qm_files)
    qt_add_resources(${target} "${target}_translations" PREFIX "/i18n" BASE ${out} FILES ${qm_files})
  endif()
endfunction()
