// Resource ids of VexaOrdo.
#pragma once
