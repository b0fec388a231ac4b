// Resource ids of VexaKito.
#pragma once
