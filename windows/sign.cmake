# Authenticode signatures (SHA-256, osslsigncode) when the environment names
# a certificate, at install or cpack time:
#   SBC_SIGN_PKCS12 (and SBC_SIGN_PASSWORD): a PKCS#12 file; or
#   SBC_SIGN_PKCS11_MODULE, SBC_SIGN_PKCS11_KEY (a pkcs11: URI) and
#   SBC_SIGN_CERTS: a key in a hardware token, its certificate chain in a file;
#   SBC_SIGN_TIMESTAMP_URL: an RFC 3161 time-stamp server, used when set.
# Included by the install rules (so every package carries signed programs and
# DLLs) and the MSI script; makensis signs the installer and its uninstaller
# with it as a script: cmake -D FILE=path -D SBC_PRODUCT_NAME=name -P sign.cmake
if(DEFINED ENV{SBC_SIGN_PKCS12})
  set(sbc_sign_key -pkcs12 "$ENV{SBC_SIGN_PKCS12}" -pass "$ENV{SBC_SIGN_PASSWORD}")
elseif(DEFINED ENV{SBC_SIGN_PKCS11_MODULE})
  set(sbc_sign_key -pkcs11module "$ENV{SBC_SIGN_PKCS11_MODULE}" -key "$ENV{SBC_SIGN_PKCS11_KEY}" -certs "$ENV{SBC_SIGN_CERTS}")
endif()
if(sbc_sign_key AND DEFINED ENV{SBC_SIGN_TIMESTAMP_URL})
  list(APPEND sbc_sign_key -ts "$ENV{SBC_SIGN_TIMESTAMP_URL}")
endif()

function(sbc_sign file)
  if(sbc_sign_key)
    execute_process(COMMAND osslsigncode sign ${sbc_sign_key} -h sha256 -n "${SBC_PRODUCT_NAME}"
      -in "${file}" -out "${file}.signed" OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(RENAME "${file}.signed" "${file}")
  endif()
endfunction()

if(FILE)
  sbc_sign("${FILE}")
endif()
