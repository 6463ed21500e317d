<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="07_World" tilewidth="120" tileheight="130" tilecount="2" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <tile id="0">
  <image width="120" height="130" source="07_World/Kibbet.png"/>
 </tile>
 <tile id="3">
  <image width="37" height="41" source="07_World/Pollen.png"/>
 </tile>
</tileset>
