kinotab_add_test(test_mesure
  SOURCES test_mesure_marques.cpp test_mesure_etat.cpp test_mesure_transparent.cpp test_mesure_annulation.cpp
  LIBS kinotab_mesure)
kinotab_add_test(test_dessin_mesure SOURCES test_dessin_mesure.cpp test_loupe.cpp LIBS kinotab_mesure_draw)
kinotab_add_test(test_boites_video SOURCES test_boites_video.cpp LIBS kinotab_video)
