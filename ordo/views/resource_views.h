// Resource ids of the views dialogs.
#pragma once
