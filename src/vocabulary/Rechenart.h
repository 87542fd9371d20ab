#pragma once

// The kind of the task on screen: the mixed trainer draws it per task, the others keep theirs.
enum class Rechenart { Addition, Subtraktion };
