# Checks with objdump that a program and its sound library import at load time only fmod.dll (the
# program) and DLLs Windows always takes from its system folder: a DLL of any other name is looked
# for first in the program's folder, before the program's first instruction.
# cmake -DOBJDUMP=... -DFOLDERS="dist1;dist2" -P CheckSystemImports.cmake
cmake_policy(SET CMP0057 NEW)
# The KnownDLLs every supported Windows keeps (Windows 7 to 11, under
# HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs), lower case.
set(known advapi32.dll comdlg32.dll gdi32.dll imagehlp.dll imm32.dll kernel32.dll msctf.dll msvcrt.dll
          normaliz.dll nsi.dll ole32.dll oleaut32.dll psapi.dll rpcrt4.dll sechost.dll setupapi.dll shell32.dll
          shlwapi.dll user32.dll wldap32.dll ws2_32.dll)
foreach(folder ${FOLDERS})
  foreach(file VELANInst.exe fmod.dll)
    execute_process(COMMAND ${OBJDUMP} -p ${folder}/${file} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "objdump failed on ${folder}/${file}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
    set(names)
    foreach(import ${imports})
      string(REPLACE "DLL Name: " "" name "${import}")
      string(TOLOWER "${name}" name)
      list(APPEND names ${name})
      if(NOT name IN_LIST known AND NOT (file STREQUAL "VELANInst.exe" AND name STREQUAL "fmod.dll"))
        message(FATAL_ERROR "${folder}/${file} imports ${name} at load time, which Windows looks for beside it first")
      endif()
    endforeach()
    if(NOT names)
      message(FATAL_ERROR "no imports read from ${folder}/${file}")
    endif()
    message(STATUS "${folder}/${file}: ${names}")
  endforeach()
endforeach()
