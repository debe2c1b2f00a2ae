# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the marker of a portable copy beside the executable in the package being made: the
# program then keeps its files in its own folder (see src/system/program_directory.h).
file(WRITE "${CMAKE_INSTALL_PREFIX}/tarvel-portable"
     "Prijenosna kopija: Tarvel drži svoje datoteke u ovoj mapi.\r\n")
