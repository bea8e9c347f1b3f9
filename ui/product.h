#pragma once

// The product's own settings: its names, addresses and version, in one place.
namespace ormitan::product {

// Names the program in the task bar and captions the error box.
inline constexpr char ApplicationTitle[] = "Тест 'Ормитан'";
inline constexpr char Version[] = "Версия 1.02";
inline constexpr char AuthorLine[] = "Автор программы: команда Ормитан";
inline constexpr char CopyrightLine[] = "© 2026 Команда Ормитан";
// The address the windows show, and the address a click opens: the site is served from a
// different host than the one people are told to type.
inline constexpr char SiteAddress[] = "www.ormitan.example";
inline constexpr char SiteUrl[] = "http://ormitan-site.example/";
inline constexpr char Email[] = "info@ormitan.example";

}  // namespace ormitan::product
