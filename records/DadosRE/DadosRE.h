// Entry register subsystem: every public header of DadosRE.
#pragma once
