# Synthetic throws with click noise: the material of the uncertainty checks
# (a test with one seed, the benchmark over many).
add_library(kinotab_lancers STATIC ${CMAKE_CURRENT_LIST_DIR}/LancersSynthetiques.cpp)
target_link_libraries(kinotab_lancers PUBLIC kinotab_kinematics)
