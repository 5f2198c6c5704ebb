# The demo plays to its end in a fresh folder and leaves its print-outs, each PDF with its text twin.
file(REMOVE_RECURSE ${DATA})
execute_process(COMMAND ${TALLYVEX} demo --data-dir ${DATA} RESULT_VARIABLE status OUTPUT_VARIABLE out
    ERROR_VARIABLE errors)
message("${out}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "demo failed (status ${status}):\n${errors}")
endif()
file(GLOB pdfs ${DATA}/Prints/*.pdf)
file(GLOB texts ${DATA}/Prints/*.txt)
list(LENGTH pdfs pdfCount)
list(LENGTH texts textCount)
if(pdfCount EQUAL 0 OR NOT pdfCount EQUAL textCount)
    message(FATAL_ERROR "demo left ${pdfCount} PDF and ${textCount} text print-outs")
endif()
foreach(pdf ${pdfs})
    file(READ ${pdf} head LIMIT 4)
    if(NOT head MATCHES "^%PDF")
        message(FATAL_ERROR "${pdf} is not a PDF")
    endif()
endforeach()

# Its chart is played to the end: the transcript shows the forced default, the finished chart with both
# finals and the third-place winners, and the finalists' list; the chart file holds the final and
# third-place results.
file(READ ${DATA}/demo-transcript.txt transcript)
foreach(shown
        "msgbox: This action advances the player to"
        "frmCharts.t1\\(9\\) =        Forfeit"
        "frmCharts.t4\\(0\\) = 2 [A-Z]"
        "frmCharts.t4\\(1\\) = 16 [A-Z]"
        "frmCharts.t4\\(2\\) = 5 [A-Z]"
        "frmCharts.t4\\(3\\) = 12 [A-Z]"
        "frmCharts.t6\\(4\\) = 9 [A-Z]"
        "frmCharts.t6\\(5\\) = 4 [A-Z]"
        "frmCharts.cmbWin list =  Main: 1 2 [A-Z][^\\]*\\\\n Main: 2 16 [A-Z]"
        " Cons: 4 14 [A-Z]")
    if(NOT transcript MATCHES "${shown}")
        message(FATAL_ERROR "the demo transcript does not show ${shown}")
    endif()
endforeach()
file(READ ${DATA}/fChart0.Fil finals LIMIT 80)
string(REGEX REPLACE " +" " " finals "${finals}")
set(expected "1#7#L 2#9#W 3#4#W 4#14#L 5#2#W 6#16#L 7#5#L 8#12#W ")
if(NOT finals STREQUAL expected)
    message(FATAL_ERROR "the demo's chart ends with \"${finals}\", not \"${expected}\"")
endif()
