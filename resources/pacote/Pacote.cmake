# Pacote Debian (cpack -G DEB na pasta da compilação). As dependências de bibliotecas saem
# do dpkg-shlibdeps; à mão ficam só as que nenhum executável liga.

# A documentação que o Debian pede em todo pacote: copyright, o changelog e as páginas de
# manual comprimidos sem data no cabeçalho do gzip (o pacote sai igual a cada compilação).
set(QUINARO_PACOTE ${CMAKE_BINARY_DIR}/pacote)
set(comprimidos)
foreach(arquivo changelog quinaro.1 quinaro-cli.1)
  add_custom_command(OUTPUT ${QUINARO_PACOTE}/${arquivo}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUINARO_PACOTE}
    COMMAND gzip -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/${arquivo} > ${QUINARO_PACOTE}/${arquivo}.gz
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${arquivo})
  list(APPEND comprimidos ${QUINARO_PACOTE}/${arquivo}.gz)
endforeach()
add_custom_target(quinaro_pacote_doc ALL DEPENDS ${comprimidos})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${QUINARO_PACOTE}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quinaro)
install(FILES ${QUINARO_PACOTE}/quinaro.1.gz ${QUINARO_PACOTE}/quinaro-cli.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quinaro)
set(CPACK_PACKAGE_VENDOR "Orvane Technologies")
set(CPACK_PACKAGE_CONTACT "Orvane Technologies <suporte@orvane.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "gera, filtra e confere apostas da Varenta")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quinaro Professional monta os cartões de um quadro de palpites para os cinco
jogos da Varenta, afina o conjunto com filtros estatísticos, confere os cartões
com os resultados dos concursos, escreve relatórios em HTML e imprime nos
volantes. Traz também o quinaro-cli, que faz o mesmo trabalho no terminal.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# O navegador abre os relatórios e a ajuda; as traduções deixam os diálogos do Qt em português;
# as autoridades certificadoras do sistema conferem o servidor de resultados em "https://".
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n, ca-certificates")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
