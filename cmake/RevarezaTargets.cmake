# Settings every target of the project gets, test targets included.
#
# -ffp-contract=off: results are specified as IEEE double operations in the
# order the code writes them; a fused multiply-add would change roundings
# (signs of zeros, last digits, NaN or not).
function(revareza_configure_target target)
  target_compile_features(${target} PUBLIC cxx_std_17)
  set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
  target_compile_options(${target} PRIVATE
    -ffp-contract=off
    -Wall -Wextra -Wpedantic -Wshadow)
endfunction()
