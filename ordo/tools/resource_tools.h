// Resource ids of the tools dialogs.
#pragma once
