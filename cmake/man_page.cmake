# Writes the manual page: `PROGRAM --man` into OUTPUT, compressed with GZIP when it is given.
# Run as `cmake -DPROGRAM=... -DOUTPUT=... [-DGZIP=...] -P man_page.cmake`.
execute_process(COMMAND "${PROGRAM}" --man OUTPUT_FILE "${OUTPUT}.roff" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${PROGRAM} --man failed: ${failed}")
endif()
if(GZIP)
  # -n: no name or time stamp inside, so the same page gives the same bytes.
  execute_process(COMMAND "${GZIP}" -9 -n -c "${OUTPUT}.roff" OUTPUT_FILE "${OUTPUT}"
                  RESULT_VARIABLE failed)
  file(REMOVE "${OUTPUT}.roff")
  if(failed)
    message(FATAL_ERROR "gzip failed: ${failed}")
  endif()
else()
  file(RENAME "${OUTPUT}.roff" "${OUTPUT}")
endif()
