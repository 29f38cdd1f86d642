# MinGW-w64 (cross or on Windows): one self-contained executable, with no libstdc++, libgcc or
# libwinpthread DLLs beside it. Each function and datum gets its own section, so that the linker
# drops what nothing uses of the statically linked runtime.
if(MINGW)
    add_compile_options(-ffunction-sections -fdata-sections)
    add_link_options(-static LINKER:--gc-sections)
endif()
