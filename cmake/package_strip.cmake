# Run by CPack on the staged files before it packs them: drops the compiler's version notes
# (.comment) from the program, as Debian's own packaging tools do.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/abacore-drill")
foreach(program IN LISTS programs)
  execute_process(COMMAND objcopy --remove-section=.comment "${program}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
