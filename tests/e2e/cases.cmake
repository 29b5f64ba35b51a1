# The user-level cases, one list for every program: each is a script of this
# folder, run under the display named against the Linux build's start, the
# disc's start built in the old Debian root, and start.exe under Wine. A
# case that cannot hold under Wine says why, and runs on Linux alone.
#   case           display              why it cannot hold under Wine
set(E2E_CASES
  "launch          WITH_DISPLAY"
  "panel           WITH_DISPLAY"
  "frame           WITH_DISPLAY"
  "drag            WITH_DISPLAY"
  "names           WITH_DISPLAY"
  "keyboard        WITH_DISPLAY"
  "readonly        WITH_DISPLAY"
  "second_start    WITH_DISPLAY"
  "desktop         WITH_DISPLAY"
  "small_screen    WITH_SMALL_DISPLAY"
  "no_display      WITH_DISPLAY         Wine itself needs a display before start.exe can run"
  "no_program      WITH_DISPLAY         Windows' shell tells of a document no program takes, and Wine's hands it to xdg-open and never hears back"
  "reads_itself    WITH_DISPLAY         Windows copies start.exe whole from a disc itself, by a flag of the file that program_file.sh checks"
  "unix_names      WITH_DISPLAY         Windows names hold no backslash, no newline and no bytes that are not UTF-8"
  "nofonts         WITH_DISPLAY         Windows and Wine draw text with fonts of their own, not fontconfig's"
  "few_colours     WITH_FEW_COLOURS     on 256 colours what shows is Wine's own drawing on a colour map, pink dithered dark, at times no window at all")

# Sets NAME, DISPLAY and NOT_UNDER_WINE (empty, or the reason) in the
# caller's scope from one entry of E2E_CASES.
function(e2e_case entry)
  string(REGEX MATCH "^([a-z_]+) +([A-Z_]+) *(.*)$" found "${entry}")
  set(NAME ${CMAKE_MATCH_1} PARENT_SCOPE)
  set(DISPLAY ${CMAKE_MATCH_2} PARENT_SCOPE)
  set(NOT_UNDER_WINE "${CMAKE_MATCH_3}" PARENT_SCOPE)
endfunction()
