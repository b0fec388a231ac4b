// Resource ids of the layers dialogs.
#pragma once
