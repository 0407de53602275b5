-- broken_project.lua: a project file with a syntax error on line 3.
return {
  pages = { { name = "Page1" = 1 } },
}
