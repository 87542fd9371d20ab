#pragma once

// The three trainer modules: Form1, Form2 and Form3.
enum class Modul { Addition, Subtraktion, Gemischt };
