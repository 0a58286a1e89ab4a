; ntc-beta: the installer's own texts, Simplified Chinese and English.

; MUI's Chinese line says to click "我同意" where the button reads "我接受".
LangString LicenceBottom ${LANG_SIMPCHINESE} \
    "如果你接受许可证的条款，请点击 [我接受(I)] 继续。你必须接受许可证才能安装 ${PRODUCT}。"
LangString LicenceBottom ${LANG_ENGLISH} \
    "If you accept the terms of the agreement, click I Agree to continue. You must accept the agreement to install ${PRODUCT}."

LangString Needs64Bit ${LANG_SIMPCHINESE} \
    "${PRODUCT} 需要 64 位的 Windows（x64）。这台电脑运行的是 32 位 Windows，无法安装。"
LangString Needs64Bit ${LANG_ENGLISH} \
    "${PRODUCT} needs 64-bit Windows (x64). This computer runs 32-bit Windows, so it cannot be installed here."

; $R0: the version installed.
LangString Downgrade ${LANG_SIMPCHINESE} \
    "已安装较新的 ${PRODUCT} $R0。本安装程序是较旧的 ${VERSION} 版，继续安装将用它替换较新的版本。$\n$\n仍要安装 ${VERSION} 吗？"
LangString Downgrade ${LANG_ENGLISH} \
    "A newer ${PRODUCT}, $R0, is installed. This installer holds the older ${VERSION} and would replace it.$\n$\nInstall ${VERSION} all the same?"

; $R8: the program; $R9: its folder.
LangString ProgramRunning ${LANG_SIMPCHINESE} \
    "$R8 正在运行（$R9）。请先关闭它，再点“重试”。$\n$\n点“取消”则停止安装，不改动任何文件。"
LangString ProgramRunning ${LANG_ENGLISH} \
    "$R8 is running (from $R9). Close it, then click Retry.$\n$\nCancel stops the installation; no file is changed."
LangString un.ProgramRunning ${LANG_SIMPCHINESE} \
    "$R8 正在运行（$R9）。请先关闭它，再点“重试”。$\n$\n点“取消”则停止卸载，不改动任何文件。"
LangString un.ProgramRunning ${LANG_ENGLISH} \
    "$R8 is running (from $R9). Close it, then click Retry.$\n$\nCancel stops the uninstallation; no file is changed."

LangString PathTooLong ${LANG_SIMPCHINESE} \
    "PATH 环境变量太长，安装程序无法在不改动其余内容的情况下加入 $INSTDIR。ntc-beta-cli 已安装；要在任意文件夹中运行它，请自行把这个文件夹加入 PATH。"
LangString PathTooLong ${LANG_ENGLISH} \
    "Your PATH is too long for the installer to add $INSTDIR without risking the rest of it. ntc-beta-cli is installed; to run it from any folder, add that folder to PATH yourself."
