# The measurement state with its pointing rules (plain C++), and its drawing
# over a frame (Qt Gui).
add_library(kinotab_mesure STATIC UnitMesure.cpp UnitPointage.cpp UnitMesureAnnulation.cpp UnitAnnulation.cpp)
target_link_libraries(kinotab_mesure PUBLIC kinotab_math)

add_library(kinotab_mesure_draw STATIC UnitDessinMesure.cpp UnitLoupe.cpp)
target_link_libraries(kinotab_mesure_draw PUBLIC kinotab_mesure kinotab_kit_draw Qt6::Gui)
