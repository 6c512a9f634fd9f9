# Shared compile settings: sources are UTF-8, string literals become GBK bytes,
# which is the ANSI code page every text of this program lives in.
function(proxy_extract_flags target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra
    -finput-charset=UTF-8 -fexec-charset=GBK)
  target_compile_features(${target} PUBLIC cxx_std_17)
endfunction()
