// The English help page's menu bar: each entry opens a list of links to the page's
// sections. Drawn by MMenu.js.
var MenuKinotab = [
  { titre: "File", polozky: [
      { text: "Getting started", cil: "#PriseEnMain" },
      { text: "Opening a video", cil: "#Ouvrir" },
      { text: "Saving and loading a measurement", cil: "#Charger" } ] },
  { titre: "View", polozky: [
      { text: "Viewing and marking", cil: "#Affichage" },
      { text: "Keyboard shortcuts", cil: "#KlavesoveZkratky" } ] },
  { titre: "Measurement", polozky: [
      { text: "Several marks and the transparency", cil: "#Nombre" } ] },
  { titre: "Results", polozky: [
      { text: "Table of values", cil: "#TableauDesValeurs" },
      { text: "Graphs against time", cil: "#RepresentationTemps" },
      { text: "Trajectory in a frame of reference", cil: "#TrajectoireReferentiel" },
      { text: "Vector representation", cil: "#Vecteurs" } ] },
  { titre: "Help", polozky: [
      { text: "Options", cil: "#Options" },
      { text: "Videos from phones", cil: "#VideaZTelefonu" },
      { text: "Uninstalling", cil: "#Desinstaller" } ] }
];
