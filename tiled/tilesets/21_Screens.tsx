<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="21_Screens" tilewidth="1280" tileheight="720" tilecount="10" columns="0">
 <grid orientation="orthogonal" width="1" height="1"/>
 <properties>
  <property name="nextTileId" type="int" value="13"/>
 </properties>
 <tile id="0">
  <image width="1280" height="720" source="21_Screens/ConfirmationScreen.png"/>
 </tile>
 <tile id="1">
  <image width="1280" height="720" source="21_Screens/ControlsScreen.png"/>
 </tile>
 <tile id="2">
  <image width="1280" height="720" source="21_Screens/CreditsScreen.png"/>
 </tile>
 <tile id="5">
  <image width="1280" height="720" source="21_Screens/HowToPlayScreen.png"/>
 </tile>
 <tile id="6">
  <image width="1280" height="720" source="21_Screens/LevelsScreen.png"/>
 </tile>
 <tile id="7">
  <image width="1280" height="720" source="21_Screens/MainMenuFrame.png"/>
 </tile>
 <tile id="8">
  <image width="1280" height="720" source="21_Screens/MainScreen.png"/>
 </tile>
 <tile id="9">
  <image width="1280" height="720" source="21_Screens/OptionsScreen.png"/>
 </tile>
 <tile id="10">
  <image width="1280" height="720" source="21_Screens/Splash_Controller.png"/>
 </tile>
 <tile id="11">
  <image width="1280" height="720" source="21_Screens/Splash_Ventrel.png"/>
 </tile>
</tileset>
